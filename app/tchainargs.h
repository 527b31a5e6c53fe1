#pragma once

#include "tchaininstallation.h"
#include "tchainurl.h"
#include "tcommand.h"

class TArgs;

// How long the chain commands wait for the database server to answer.
constexpr int ChainConnectSeconds = 5;

// --db URL and --password-file FILE, worded once for the chain commands.
TCommandOption chainDbOption(bool required);
TCommandOption chainPasswordFileOption();

// The database of --db with its password resolved (--password-file, then
// the environment); a usage error when the URL is bad or the password file
// cannot be read.
ChainLib::TChainUrl chainUrl(const TArgs &args);

// The database the installation's record at `root` names for the
// statistics upload ("cloudservice" 1); false with `problem` when it names
// none or its record cannot be read.
bool installationChainUrl(const QString &root, ChainLib::TChainUrl &url, QString &problem);

// --from and --to over the closed days of a chain report, --from worded
// by the command.
TCommandOption chainFromOption(const QString &text);
TCommandOption chainToOption();

// --outlets N,N,... of the chain's reports.
TCommandOption chainOutletsOption();
// The office numbers of --outlets ("1,4,7"), each known to the database,
// in order; every outlet of the database when not given. A usage error
// for a bad list or an outlet the database does not hold.
QList<int> chosenOutlets(const TArgs &args, const QList<ChainLib::TChainOutlet> &known);
