-- The outlets of the chain, what each uploaded per closed day, and the
-- closing records. Money in cents (bigint), days as dates of the business
-- day, office ids as the installations number themselves.

CREATE TABLE outlets (
    office_id  integer PRIMARY KEY,
    name       text NOT NULL DEFAULT '',
    received   timestamptz NOT NULL DEFAULT now()
);

-- The files a report of the outlet is written with: master data and
-- settings lists of "usr/data", "etc/reports.ini", "etc/globals.ini" and
-- the item layouts of "etc/layout", as of the outlet's last upload.
CREATE TABLE outlet_files (
    office_id  integer NOT NULL REFERENCES outlets ON DELETE CASCADE,
    path       text NOT NULL,
    sha256     text NOT NULL,
    data       bytea NOT NULL,
    PRIMARY KEY (office_id, path)
);

-- One row per outlet and closed day that arrived.
CREATE TABLE days (
    office_id  integer NOT NULL REFERENCES outlets ON DELETE CASCADE,
    day        date NOT NULL,
    day_z      bigint NOT NULL DEFAULT 0,
    bills      integer NOT NULL,
    amount     bigint NOT NULL,
    received   timestamptz NOT NULL DEFAULT now(),
    PRIMARY KEY (office_id, day)
);
CREATE INDEX days_by_day ON days (day, office_id);

-- The closing records ("closing-<Z>.json") as the installation keeps them.
CREATE TABLE closings (
    office_id  integer NOT NULL,
    z          bigint NOT NULL,
    day        date NOT NULL,
    day_z      bigint NOT NULL DEFAULT 0,
    kind       text NOT NULL,
    bills      integer NOT NULL,
    amount     bigint NOT NULL,
    sha256     text NOT NULL,
    record     jsonb NOT NULL,
    PRIMARY KEY (office_id, z),
    FOREIGN KEY (office_id, day) REFERENCES days ON DELETE CASCADE
);
CREATE INDEX closings_by_day ON closings (office_id, day);
