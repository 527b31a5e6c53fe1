#!/usr/bin/env python3
"""A mail server for the tests, on loopback only: takes mail over SMTP
(plain, STARTTLS or TLS, with or without a login) and writes each message it
took as N.json into --dir (sender, recipients, subject, text, attachments
with their sizes and SHA-256), or refuses or drops the connection, as --mode
says. Every DATA command it sees adds a line to --dir/attempts. Prints the
port it listens on (chosen by the system) as its first line."""
import argparse
import asyncio
import email
import email.policy
import hashlib
import json
import os
import ssl
import sys

from aiosmtpd.smtp import SMTP, AuthResult, LoginPassword

parser = argparse.ArgumentParser()
parser.add_argument("--dir", required=True)
parser.add_argument("--security", choices=["none", "starttls", "tls"], default="none")
parser.add_argument("--cert")
parser.add_argument("--key")
parser.add_argument("--user")
parser.add_argument("--password")
parser.add_argument("--mode", choices=["ok", "refuse", "reject", "drop"], default="ok")
args = parser.parse_args()


def summary(envelope, login):
    message = email.message_from_bytes(envelope.original_content, policy=email.policy.default)
    attachments = []
    text = ""
    for part in message.walk():
        if part.is_multipart():
            continue
        if part.get_content_disposition() == "attachment":
            data = part.get_payload(decode=True)
            attachments.append({"filename": part.get_filename(),
                                "contentType": part.get_content_type(),
                                "size": len(data),
                                "sha256": hashlib.sha256(data).hexdigest(),
                                "head": data[:64].decode("latin-1")})
        elif part.get_content_type() == "text/plain" and not text:
            text = part.get_content()
    return {"mailFrom": envelope.mail_from, "rcptTos": envelope.rcpt_tos,
            "from": str(message["From"]), "to": str(message["To"]),
            "subject": str(message["Subject"]), "date": str(message["Date"]),
            "text": text, "attachments": attachments, "login": login}


class Handler:
    def __init__(self):
        self.count = 0

    async def handle_DATA(self, server, session, envelope):
        with open(os.path.join(args.dir, "attempts"), "a") as f:
            f.write(args.mode + "\n")
        if args.mode == "refuse":
            return "451 4.3.0 Mailbox busy, try again later"
        if args.mode == "reject":
            return "554 5.7.1 Message rejected"
        if args.mode == "drop":
            server.transport.abort()
            return "421 dropped"
        self.count += 1
        login = session.auth_data.login.decode() if isinstance(session.auth_data, LoginPassword) else None
        path = os.path.join(args.dir, "%d.json" % self.count)
        with open(path + ".tmp", "w") as f:
            json.dump(summary(envelope, login), f)
        os.rename(path + ".tmp", path)
        return "250 OK"


def authenticator(server, session, envelope, mechanism, auth_data):
    ok = (isinstance(auth_data, LoginPassword) and auth_data.login.decode() == args.user
          and auth_data.password.decode() == args.password)
    return AuthResult(success=ok, handled=False, auth_data=auth_data if ok else None)


async def main():
    context = None
    if args.security != "none":
        context = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
        context.load_cert_chain(args.cert, args.key)
    handler = Handler()

    def factory():
        return SMTP(handler,
                    hostname="localhost",
                    tls_context=context if args.security == "starttls" else None,
                    require_starttls=args.security == "starttls",
                    authenticator=authenticator if args.user else None,
                    auth_required=bool(args.user),
                    auth_require_tls=args.security == "starttls")

    loop = asyncio.get_running_loop()
    server = await loop.create_server(factory, host="127.0.0.1", port=0,
                                      ssl=context if args.security == "tls" else None)
    print(server.sockets[0].getsockname()[1], flush=True)
    # ends with its parent: stdin closes
    await loop.run_in_executor(None, sys.stdin.read)
    server.close()


asyncio.run(main())
