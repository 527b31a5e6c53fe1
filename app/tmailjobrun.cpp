#include "tmailjobrun.h"

#include "cliutil.h"
#include "terror.h"
#include "tinstallation.h"
#include "tinstallationconfig.h"
#include "tmailconfig.h"
#include "treportkinds.h"
#include "tsettings.h"
#include "tsumbatch.h"
#include "ttranslation.h"
#include "tworkspacelists.h"
#include "tzreport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// One run of this program that writes an attachment.
struct Piece
{
    QString caption; // for the mail's text
    QString fileName;
    QStringList args;
};

QString extensionOf(const QString &format)
{
    return format == QLatin1String("text") ? QStringLiteral("txt") : format;
}

QString daysText(const QDate &from, const QDate &to)
{
    const QString a = from.toString(Qt::ISODate);
    return from == to ? a : a + QLatin1Char('_') + to.toString(Qt::ISODate);
}

QString dateText(const QDate &day, const QString &language)
{
    return day.toString(language == QLatin1String("de") ? QStringLiteral("dd.MM.yyyy")
                                                        : QStringLiteral("yyyy-MM-dd"));
}

QString reportCaptionOf(int id, PosLib::TWorkspaceLists &lists)
{
    if (const PosLib::TReportKind *kind = PosLib::reportKind(id))
        return PosLib::reportCaption(*kind);
    auto *batches = static_cast<PosLib::TSumBatches *>(lists.get(QStringLiteral("sumbatches")));
    const PosLib::TSumBatch *batch
            = batches ? batches->batch(id - PosLib::BatchKindOffset) : nullptr;
    return batch ? batch->name() : TCli::tr("Batch %1").arg(id - PosLib::BatchKindOffset);
}

// The pieces of the job over `from` … `to`.
QList<Piece> piecesOf(const TMailJob &job, const QString &root, const QDate &from, const QDate &to,
                      const QString &language, const QDateTime &now)
{
    PosLib::TWorkspaceLists lists(root);
    QStringList common = {QStringLiteral("--data"), root, QStringLiteral("--lang"), language};
    if (now.isValid())
        common << QStringLiteral("--now") << now.toString(Qt::ISODate);
    QList<Piece> pieces;
    for (const TMailReport &report : job.reports) {
        if (report.kind == TMailReport::ZReports) {
            const PosLib::TClosingList closings(root, from, to);
            for (const PosLib::TClosingRow &row : closings.rows()) {
                for (const QString &format : job.formats) {
                    // a Z report is a page, a text or data, never a chart or a table
                    if (format != QLatin1String("pdf") && format != QLatin1String("text")
                        && format != QLatin1String("json"))
                        continue;
                    pieces << Piece {
                            TCli::tr("Z report %1 of %2")
                                    .arg(row.z)
                                    .arg(dateText(row.date, language)),
                            QStringLiteral("z-%1_%2.%3")
                                    .arg(row.z)
                                    .arg(row.date.toString(Qt::ISODate), extensionOf(format)),
                            QStringList {QStringLiteral("z"), QStringLiteral("--show"),
                                         QString::number(row.z), QStringLiteral("--format"), format}
                                    + common};
                }
            }
            continue;
        }
        const bool batch = report.id > PosLib::BatchKindOffset;
        const QString caption = reportCaptionOf(report.id, lists);
        for (const QString &format : job.formats) {
            pieces << Piece {
                    caption,
                    (batch ? QStringLiteral("batch-%1_").arg(report.id - PosLib::BatchKindOffset)
                           : QStringLiteral("report-%1_").arg(report.id))
                            + daysText(from, to) + QLatin1Char('.') + extensionOf(format),
                    QStringList {QStringLiteral("report"), QStringLiteral("--kind"),
                                 QString::number(report.id), QStringLiteral("--from"),
                                 from.toString(Qt::ISODate), QStringLiteral("--to"),
                                 to.toString(Qt::ISODate), QStringLiteral("--format"), format,
                                 QStringLiteral("--quiet")}
                            + common};
        }
    }
    return pieces;
}

// Runs this program for a piece, writing `file`; false with `error`.
bool runPiece(const Piece &piece, const QString &file, QString &error)
{
    QProcess process;
    process.setProgram(QCoreApplication::applicationFilePath());
    process.setArguments(piece.args + QStringList {QStringLiteral("--output"), file});
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start();
    if (!process.waitForStarted(-1) || !process.waitForFinished(-1)) {
        error = TCli::tr("%1: the program could not be run: %2")
                        .arg(piece.fileName, process.errorString());
        return false;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        const QString why = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        error = TCli::tr("%1 ('veltrum %2') failed with exit code %3: %4")
                        .arg(piece.fileName, piece.args.mid(0, 3).join(QLatin1Char(' ')))
                        .arg(process.exitCode())
                        .arg(why);
        return false;
    }
    return true;
}

} // namespace

bool makeJobMail(const TMailConfig &config, const TMailJob &job, const QDateTime &now,
                 Mail::TMailMessage &message, QString *error)
{
    QString root = job.data;
    if (!job.installation.isEmpty()) {
        TInstallationConfig installation;
        if (!installation.load(job.installation, error))
            return false;
        root = installation.data;
    }
    if (!QFileInfo(root).isDir()) {
        *error = TCli::tr("%1: no such installation directory (job %2)").arg(root, job.name);
        return false;
    }
    root = QDir(root).absolutePath() + QLatin1Char('/');
    QString language = job.language;
    if (language.isEmpty())
        language = PosLib::installationLanguage(root + QStringLiteral("etc/globals.ini"));
    if (language.isEmpty())
        language = QStringLiteral("en");

    const QDateTime clock = now.isValid() ? now : QDateTime::currentDateTime();
    Mail::TMailRange range;
    if (!Mail::TMailRange::parse(job.range, PosLib::businessDay(root, clock), range, error))
        return false;

    // the texts of the mail in the job's language, the program's again after
    struct LanguageSwitch
    {
        QString before = cliTranslation().language();
        ~LanguageSwitch() { cliTranslation().setLanguage(before); }
    } restore;
    cliTranslation().setLanguage(language);

    QTemporaryDir work;
    if (!work.isValid()) {
        *error = TCli::tr("no temporary folder for the reports: %1").arg(work.errorString());
        return false;
    }
    QStringList list;
    message.attachments.clear();
    for (const Piece &piece : piecesOf(job, root, range.from, range.to, language, now)) {
        const QString file = work.filePath(piece.fileName);
        if (!runPiece(piece, file, *error))
            return false;
        QFile written(file);
        if (!written.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("%1: %2").arg(file, written.errorString());
            return false;
        }
        message.attachments << Mail::TAttachment {
                piece.fileName, Mail::contentTypeOf(piece.fileName), written.readAll()};
        list << QStringLiteral("  %1: %2").arg(piece.caption, piece.fileName);
    }

    PosLib::TSettings settings;
    QString name;
    try {
        settings.load(PosLib::installationDir(root, QStringLiteral("usr/data"), false),
                      settings.fileName());
        name = settings.installationName();
    } catch (const Basics::TError &) {
        // the reports named it already or failed; the folder's name serves
    }
    if (name.isEmpty())
        name = QDir(root).dirName();
    const QString days = range.from == range.to ? dateText(range.from, language)
                                                : TCli::tr("%1 to %2")
                                                          .arg(dateText(range.from, language),
                                                               dateText(range.to, language));
    message.from = config.from;
    message.to = job.to;
    message.date = clock;
    message.subject
            = job.subject.isEmpty() ? TCli::tr("%1: reports of %2").arg(name, days) : job.subject;
    message.text = TCli::tr("The reports of %1 of %2 are attached:").arg(name, days)
                   + QStringLiteral("\n\n")
                   + (list.isEmpty() ? TCli::tr("  (no closing in these days)")
                                     : list.join(QLatin1Char('\n')))
                   + QStringLiteral("\n\n")
                   + TCli::tr("Sent by Veltrum, mail job \"%1\" of %2.").arg(job.name, config.file)
                   + QLatin1Char('\n');
    return true;
}
