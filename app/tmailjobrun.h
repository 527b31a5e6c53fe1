#pragma once

#include "tmailmessage.h"

#include <QDateTime>
#include <QString>

struct TMailConfig;
struct TMailJob;

// Makes the mail of a job: the range's days in the installation's business
// days, every report in every format run by this program ('veltrum report',
// 'veltrum z --show') in the job's language, the subject and the text in
// that language. `now` fixes the clock when valid. False with `error`
// naming the report that failed and why; then nothing is to be sent.
bool makeJobMail(const TMailConfig &config, const TMailJob &job, const QDateTime &now,
                 Mail::TMailMessage &message, QString *error);
