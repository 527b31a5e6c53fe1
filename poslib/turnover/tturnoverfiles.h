#pragma once

#include <QList>
#include <QPair>
#include <QString>

// The files of the closing's moves, shared by the run and its forecast.
namespace PosLib::TurnoverFiles {

// The move in progress, in "var/lock", and the copy that is not yet a
// table file (its name does not start with "a", so no table list ever
// takes it for one).
constexpr const char *IntentName = "turnover.mov";
constexpr const char *CopyName = ".turnover.tmp";

// Source and target of the move a killed run noted, absolute; empty when
// there is none or the note was cut off before the copy began. Throws the
// TFileError of a note that is there but cannot be read.
QPair<QString, QString> notedMove(const QString &root);

// The "a*" files of a directory with their numbers, in number order (the
// order the terminals archived them); names that hold no number and a
// second name of the same number ("a12.tmp" beside "a12") are left out.
QList<QPair<long, QString>> archiveFiles(const QString &dir);

} // namespace PosLib::TurnoverFiles
