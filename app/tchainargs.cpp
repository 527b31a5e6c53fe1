#include "tchainargs.h"

#include "cliutil.h"
#include "targs.h"

TCommandOption chainDbOption(bool required)
{
    return {{QStringLiteral("db")},
            QStringLiteral("URL"),
            TCli::tr("The chain database: postgresql://USER@HOST:PORT/DATABASE (HOST may be the "
                     "directory of the server's socket, written %2F for each /, or given as "
                     "?host=DIR). The password comes from --password-file, "
                     "VELTRUM_CHAIN_PASSWORD, VELTRUM_CHAIN_PASSWORD_FILE, PGPASSWORD or "
                     "~/.pgpass, never from the command line."),
            required};
}

TCommandOption chainPasswordFileOption()
{
    return {{QStringLiteral("password-file")},
            QStringLiteral("FILE"),
            TCli::tr("Read the database password from the first line of FILE."),
            false};
}

ChainLib::TChainUrl chainUrl(const TArgs &args)
{
    ChainLib::TChainUrl url;
    QString problem;
    if (!ChainLib::TChainUrl::parse(args.text(QStringLiteral("db")), url, &problem))
        throw TUsageError {TCli::tr("--db: %1").arg(problem)};
    if (!url.resolvePassword(args.filePath(QStringLiteral("password-file")), &problem))
        throw TUsageError {problem};
    return url;
}
