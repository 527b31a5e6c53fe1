#pragma once

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
