#include "tservecommand.h"

#include "cliutil.h"
#include "targs.h"
#include "tchainargs.h"
#include "tdataargs.h"
#include "terror.h"
#include "tinstallation.h"
#include "tinterrupt.h"
#include "tlistenaddress.h"
#include "tpasswordinput.h"
#include "tsettings.h"
#include "ttranslation.h"
#include "tusersfile.h"
#include "twebapi.h"
#include "twebservice.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QStandardPaths>
#include <QTimer>

#include <unistd.h>

using namespace WebLib;

namespace {

QString defaultUsersFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/veltrum/serve-users");
}

QString usersPath(const TArgs &args)
{
    const QString given = args.filePath(QStringLiteral("users"));
    return given.isEmpty() ? defaultUsersFile() : given;
}

// --add-user NAME and --remove-user NAME
int manageUsers(const TArgs &args)
{
    const bool adding = args.isSet(QStringLiteral("add-user"));
    const QString name
            = args.text(adding ? QStringLiteral("add-user") : QStringLiteral("remove-user"));
    for (const char *serving : {"data", "listen", "cert", "key", "db", "password-file", "insecure",
                                "now", "add-user", "remove-user"}) {
        const QString option = QLatin1String(serving);
        if (option == QLatin1String(adding ? "add-user" : "remove-user"))
            continue;
        if (args.isSet(option))
            throw TUsageError {
                    TCli::tr("%1 does not go with %2")
                            .arg(TArgs::optionText(option),
                                 TArgs::optionText(adding ? QStringLiteral("add-user")
                                                          : QStringLiteral("remove-user")))};
    }
    if (!TUsersFile::isValidName(name))
        throw TUsageError {
                TCli::tr("'%1' is no user name (1 to 64 letters, digits and . _ - @)").arg(name)};
    const QString path = usersPath(args);
    TUsersFile users(path);
    if (!users.load(adding))
        return fail(TCli::tr("serve: %1").arg(users.error()));
    if (!adding) {
        if (!users.remove(name))
            return fail(TCli::tr("serve: %1 holds no user '%2'").arg(path, name));
        if (!users.save())
            return fail(TCli::tr("serve: %1").arg(users.error()));
        out() << TCli::tr("%1 was taken out of %2; sessions of that user end within seconds")
                         .arg(name, path)
              << Qt::endl;
        return ExitOk;
    }
    QByteArray password;
    QString problem;
    if (!readNewPassword(TCli::tr("Password for %1: ").arg(name), TCli::tr("The same again: "),
                         &password, &problem))
        return fail(TCli::tr("serve: %1").arg(problem));
    if (password.size() < TUsersFile::MinPasswordLength
        || password.size() > TUsersFile::MaxPasswordLength)
        return fail(TCli::tr("serve: a password has %1 to %2 characters")
                            .arg(TUsersFile::MinPasswordLength)
                            .arg(TUsersFile::MaxPasswordLength));
    const bool known = users.contains(name);
    // the folder of the default file may not be there yet; only its owner reads it
    const QString folder = QFileInfo(path).absolutePath();
    if (!QFileInfo(folder).isDir()) {
        if (!QDir().mkpath(folder))
            return fail(TCli::tr("serve: the folder %1 cannot be made").arg(folder));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    if (!users.setPassword(name, password) || !users.save())
        return fail(TCli::tr("serve: %1").arg(users.error()));
    out() << (known ? TCli::tr("%1 has a new password in %2; sessions of that user end within "
                               "seconds")
                    : TCli::tr("%1 may now log in (added to %2)"))
                     .arg(name, path)
          << Qt::endl;
    return ExitOk;
}

// The certificate and key of --cert and --key; false with `error` naming
// the file that cannot be used.
bool readTls(const TArgs &args, QSslConfiguration *configuration, QString *error)
{
    const QString certPath = args.filePath(QStringLiteral("cert"));
    const QString keyPath = args.filePath(QStringLiteral("key"));
    if (!QSslSocket::supportsSsl()) {
        *error = TCli::tr("TLS is not available (no OpenSSL library found)");
        return false;
    }
    const QList<QSslCertificate> chain = QSslCertificate::fromPath(certPath, QSsl::Pem);
    if (chain.isEmpty()) {
        *error = TCli::tr("%1: no certificate in PEM form can be read").arg(certPath);
        return false;
    }
    QFile keyFile(keyPath);
    if (!keyFile.open(QIODevice::ReadOnly)) {
        *error = TCli::tr("%1: cannot be read (%2)").arg(keyPath, keyFile.errorString());
        return false;
    }
    const QByteArray pem = keyFile.readAll();
    QSslKey key(pem, QSsl::Rsa, QSsl::Pem, QSsl::PrivateKey);
    if (key.isNull())
        key = QSslKey(pem, QSsl::Ec, QSsl::Pem, QSsl::PrivateKey);
    if (key.isNull()) {
        *error = TCli::tr("%1: no unencrypted private key (RSA or EC) in PEM form").arg(keyPath);
        return false;
    }
    QSslConfiguration c = QSslConfiguration::defaultConfiguration();
    c.setLocalCertificateChain(chain);
    c.setPrivateKey(key);
    c.setProtocol(QSsl::TlsV1_2OrLater);
    c.setPeerVerifyMode(QSslSocket::VerifyNone);
    *configuration = c;
    return true;
}

int runServe(TArgs &args)
{
    if (args.isSet(QStringLiteral("add-user")) || args.isSet(QStringLiteral("remove-user"))) {
        if (args.isSet(QStringLiteral("add-user")) && args.isSet(QStringLiteral("remove-user")))
            throw TUsageError {TCli::tr("--add-user and --remove-user exclude each other")};
        return manageUsers(args);
    }
    if (!args.isSet(QStringLiteral("data")))
        throw TUsageError {TCli::tr("--data is missing")};
    TDataArgs data(args);

    TWebService::Config config;
    QString problem;
    if (!TListenAddress::parse(
                args.text(QStringLiteral("listen"), QStringLiteral("127.0.0.1:8080")),
                config.listen, &problem))
        throw TUsageError {problem};
    const bool cert = args.isSet(QStringLiteral("cert"));
    if (cert != args.isSet(QStringLiteral("key")))
        throw TUsageError {TCli::tr("--cert and --key go together")};
    const QString refusal = config.listen.refusal(cert, args.isSet(QStringLiteral("insecure")));
    if (!refusal.isEmpty())
        throw TUsageError {refusal};
    TWebSource source;
    source.root = data.root();
    source.now = args.dateTime(QStringLiteral("now"));
    if (args.isSet(QStringLiteral("db"))) {
        // checked now, read at each chain call
        chainUrl(args);
        source.dbUrl = args.text(QStringLiteral("db"));
        source.passwordFile = args.filePath(QStringLiteral("password-file"));
    } else if (args.isSet(QStringLiteral("password-file"))) {
        throw TUsageError {TCli::tr("--password-file goes with --db")};
    }
    if (cert && !readTls(args, &config.tlsConfiguration, &problem))
        return fail(TCli::tr("serve: %1").arg(problem));
    config.tls = cert;

    // the installation's name heads the page; without it the page goes without
    PosLib::TSettings settings;
    try {
        settings.load(PosLib::installationDir(source.root, QStringLiteral("usr/data"), false),
                      settings.fileName());
    } catch (const Basics::TError &) { }
    config.site.usersPath = usersPath(args);
    config.site.chain = !source.dbUrl.isEmpty();
    config.site.installation = settings.installationName();
    // the visitors' languages change the program's for each of their reports;
    // its own messages stay in the one it was started in
    const QString language = cliTranslation().language();
    config.site.logLanguage = language;
    source.limits = config.site.limits;
    config.routes = TWebApi::routes();
    auto api = std::make_shared<TWebApi>(source);
    config.handler = [api](const TApiCall &call) { return api->answer(call); };
    config.setLanguage = [](const QString &language) {
        if (cliTranslation().language() != language)
            cliTranslation().setLanguage(language);
    };

    // the password of an unknown user is checked against this: made now,
    // not at the first login
    decoyHash();
    TWebService service(config);
    QObject::connect(&service, &TWebService::sigEvent, &service, [](const QString &text) {
        err() << QDateTime::currentDateTime().toString(Qt::ISODate) << ' ' << text << Qt::endl;
    });
    if (!service.start(&problem))
        return fail(TCli::tr("serve: %1").arg(problem));

    const QString scheme = cert ? QStringLiteral("https") : QStringLiteral("http");
    QString host = config.listen.text(service.port());
    if (config.listen.address == QHostAddress(QHostAddress::LocalHost))
        host = QStringLiteral("127.0.0.1:%1").arg(service.port());
    out() << TCli::tr("Serving %1 at %2://%3/ (Ctrl-C stops)").arg(source.root, scheme, host)
          << Qt::endl;
    if (::geteuid() == 0)
        err() << TCli::tr("veltrum: serve: running as root; the web view needs no privileges: "
                          "run it as a user who may only read the installation (see "
                          "packaging/systemd/veltrum-serve.service)")
              << Qt::endl;

    // Ctrl-C or a stop from the service manager ends the loop
    TInterrupt::install();
    QTimer stopper;
    QObject::connect(&stopper, &QTimer::timeout, &stopper, [] {
        if (TInterrupt::requested())
            QCoreApplication::quit();
    });
    stopper.start(200);
    QCoreApplication::exec();
    service.stop();
    cliTranslation().setLanguage(language);
    out() << TCli::tr("Stopped.") << Qt::endl;
    return ExitOk;
}

} // namespace

TCommand serveCommand()
{
    TCommand command;
    command.name = QStringLiteral("serve");
    command.summary = TCli::tr("the owner's web view: today's figures, reports, closings and "
                               "the chain in a browser, read-only");
    command.moreUsage = {QStringLiteral("--data DIR [--listen ADDR:PORT] [--cert FILE --key FILE] "
                                        "[--users FILE] [--db URL]"),
                         QStringLiteral("--add-user NAME [--users FILE]"),
                         QStringLiteral("--remove-user NAME [--users FILE]")};
    command.description = TCli::tr(
            "Serves a web page on which the people of the users file, once logged in, see "
            "today's figures as the back office's \"Today\" panel shows them (read again while "
            "the page is open) and the open tables; any report kind or batch over a range of "
            "closed days as the printed text and its charts, with the PDF, CSV and JSON that "
            "'veltrum report' writes; the closings with their Z reports, verified; and with "
            "--db every outlet of the chain database and reports over them. The page works on "
            "a phone and on a desktop, in German or English as the browser asks, and fetches "
            "nothing from elsewhere. Its JSON API is described in docs/web-api.md.\n\n"
            "The server never writes into the installation: a closed day without a current day "
            "summary is read from its tables, no report cache is kept, no fiscal file is "
            "stored. Run it as a user who may only read the installation.\n\n"
            "Locked down by default: it listens on 127.0.0.1:8080 unless --listen says "
            "otherwise, and refuses an address other machines can reach without TLS (--cert "
            "and --key) unless --insecure is given. Every page and call needs a login; wrong "
            "passwords are slowed down and then locked out, per user name and per address. "
            "Sessions are cookies only the server reads (HttpOnly, SameSite=Strict, Secure "
            "under TLS), ending after an hour without a request or twelve hours after the "
            "login; every POST carries the session's token. Requests are limited in size and "
            "time, and no file is served but the page's own.\n\n"
            "The users file (--users, by default ~/.config/veltrum/serve-users) holds one "
            "user a line with the argon2id hash of the password. --add-user NAME asks for the "
            "password twice without showing it (from standard input, one line, when that is "
            "no terminal) and adds the user or gives a new password; --remove-user NAME takes "
            "the user out. The running server reads the file again within seconds.\n\n"
            "Ctrl-C or SIGTERM stops the server.");
    command.options = {
            {{QStringLiteral("data")},
             QStringLiteral("DIR"),
             TCli::tr("The installation's directory (the one holding usr/data, var and etc)."),
             false},
            {{QStringLiteral("listen")},
             QStringLiteral("ADDR:PORT"),
             TCli::tr("The address and port to listen on (default 127.0.0.1:8080; port 0 picks "
                      "a free one, printed on start). An address other than loopback needs "
                      "--cert and --key, or --insecure."),
             false},
            {{QStringLiteral("cert")},
             QStringLiteral("FILE"),
             TCli::tr("The server's certificate (PEM, with its chain): serve over TLS."),
             false},
            {{QStringLiteral("key")},
             QStringLiteral("FILE"),
             TCli::tr("The certificate's private key (PEM, RSA or EC, not encrypted)."),
             false},
            {{QStringLiteral("insecure")},
             QString(),
             TCli::tr("Listen on an address other machines can reach without TLS: passwords "
                      "and figures go over the network unencrypted."),
             false},
            {{QStringLiteral("users")},
             QStringLiteral("FILE"),
             TCli::tr("The users file (default ~/.config/veltrum/serve-users)."),
             false},
            {{QStringLiteral("add-user")},
             QStringLiteral("NAME"),
             TCli::tr("Add NAME to the users file, or give NAME a new password; the password "
                      "is read without being shown (from standard input when it is no "
                      "terminal), at least 8 characters."),
             false},
            {{QStringLiteral("remove-user")},
             QStringLiteral("NAME"),
             TCli::tr("Take NAME out of the users file."),
             false},
            chainDbOption(false),
            chainPasswordFileOption(),
            nowOption(),
    };
    command.exitCodes = {
            {ExitOk, TCli::tr("the server was stopped (Ctrl-C, SIGTERM), or the users file was "
                              "changed")},
            {ExitFailure, TCli::tr("the address cannot be listened on, the certificate, key or "
                                   "users file cannot be read or names nobody, a user to take "
                                   "out is not there, the password is too short")},
            {ExitUsage, TCli::tr("wrong arguments: an unknown option, a bad address, an address "
                                 "other machines reach without TLS or --insecure, --cert without "
                                 "--key, no such directory")},
    };
    command.run = runServe;
    return command;
}
