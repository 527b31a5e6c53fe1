#include "tchainargs.h"

#include "cliutil.h"
#include "targs.h"
#include "terror.h"
#include "tinstallation.h"
#include "tsettings.h"
#include "tvalue.h"

#include <algorithm>

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

bool installationChainUrl(const QString &root, ChainLib::TChainUrl &url, QString &problem)
{
    PosLib::TSettings settings;
    try {
        settings.load(PosLib::installationDir(root, QStringLiteral("usr/data"), false),
                      settings.fileName());
    } catch (const Basics::TError &e) {
        problem = errorText(e);
        return false;
    }
    const Basics::TValue *record = settings.installation();
    if (!record || record->getInt(QStringLiteral("cloudservice"), -1) != 1) {
        problem = TCli::tr("the installation's record names no database for the statistics "
                           "upload (\"cloudservice\" 1); give --db");
        return false;
    }
    return ChainLib::TChainUrl::fromInstallation(*record, url, &problem);
}

TCommandOption chainFromOption(const QString &text)
{
    return {{QStringLiteral("from")}, QStringLiteral("yyyy-MM-dd"), text, true};
}

TCommandOption chainToOption()
{
    return {{QStringLiteral("to")},
            QStringLiteral("yyyy-MM-dd"),
            TCli::tr("The last closed day (default: --from alone)."),
            false};
}

TCommandOption chainOutletsOption()
{
    return {{QStringLiteral("outlets")},
            QStringLiteral("N,N,..."),
            TCli::tr("Only these outlets (office numbers); default: every outlet of the database. "
                     "An outlet the database does not hold is an error."),
            false};
}

QList<int> chosenOutlets(const TArgs &args, const QList<ChainLib::TChainOutlet> &known)
{
    QList<int> all;
    for (const ChainLib::TChainOutlet &outlet : known)
        all << outlet.officeId;
    if (!args.isSet(QStringLiteral("outlets")))
        return all;
    QList<int> chosen;
    const QStringList parts = args.text(QStringLiteral("outlets")).split(QLatin1Char(','));
    for (const QString &part : parts) {
        bool ok = false;
        const int office = part.trimmed().toInt(&ok);
        if (!ok)
            args.badValue(QStringLiteral("outlets"),
                          TCli::tr("office numbers separated by commas"));
        if (!all.contains(office))
            throw TUsageError {
                    TCli::tr("--outlets: the chain database holds no outlet %1").arg(office)};
        if (!chosen.contains(office))
            chosen << office;
    }
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}
