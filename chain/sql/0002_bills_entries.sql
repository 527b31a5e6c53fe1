-- The bills of a closed day with their entries: typed columns for what
-- reports and queries use, every field of the record in "header" or
-- "fields" as text (jsonb).

CREATE TABLE bills (
    office_id     integer NOT NULL,
    day           date NOT NULL,
    archive       integer NOT NULL,       -- "a<archive>" in the day directory
    bill_archive  bigint NOT NULL,        -- its number in var/archives before the closing
    table_no      bigint NOT NULL,
    party         integer NOT NULL,
    bill_no       bigint NOT NULL,
    z             bigint NOT NULL,        -- the Z counter of the closing that moved it
    waiter        integer NOT NULL,       -- of the creation record
    opened        timestamp,
    amount        bigint NOT NULL,        -- its order lines, cents
    sha256        text NOT NULL,          -- of the file as stored
    header        jsonb NOT NULL,
    PRIMARY KEY (office_id, day, archive),
    FOREIGN KEY (office_id, day) REFERENCES days ON DELETE CASCADE
);
CREATE INDEX bills_by_z ON bills (office_id, z);

CREATE TABLE bill_entries (
    office_id  integer NOT NULL,
    day        date NOT NULL,
    archive    integer NOT NULL,
    position   integer NOT NULL,          -- 0 = creation record, then in file order
    parent     integer,                   -- position of the entry it belongs to
    type       smallint NOT NULL,         -- 1 creation, 3 order, 4 void, 5 payment, ...
    entry_id   integer NOT NULL,
    at         timestamp,
    waiter     integer NOT NULL,
    plu        bigint NOT NULL,
    count      double precision NOT NULL,
    price      bigint NOT NULL,           -- unit price with add-ons, cents
    amount     bigint NOT NULL,           -- order: price x count rounded; payment: amount
    payform    integer NOT NULL,
    voided     boolean NOT NULL,
    fields     jsonb NOT NULL,
    PRIMARY KEY (office_id, day, archive, position),
    FOREIGN KEY (office_id, day, archive) REFERENCES bills ON DELETE CASCADE
);
CREATE INDEX bill_entries_orders ON bill_entries (office_id, day, plu) WHERE type = 3;
