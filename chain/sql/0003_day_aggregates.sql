-- What a report over a closed day needs, per outlet, day and kind of
-- aggregate, as the report engine reads it ("format" tells its layout).
-- Chain reports read these rows alone, never the bills.

CREATE TABLE day_aggregates (
    office_id  integer NOT NULL,
    day        date NOT NULL,
    kind       text NOT NULL,
    format     integer NOT NULL,
    sha256     text NOT NULL,
    data       bytea NOT NULL,
    PRIMARY KEY (office_id, day, kind),
    FOREIGN KEY (office_id, day) REFERENCES days ON DELETE CASCADE
);
CREATE INDEX day_aggregates_by_day ON day_aggregates (kind, day, office_id);
