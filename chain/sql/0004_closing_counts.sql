-- The cash count made at a closing, as its record (format 2) holds it:
-- one row per counted closing, and one per payment form or cash currency
-- of its count. Amounts in cents; a foreign currency's amounts in its own
-- cents, its difference also in system cents.

CREATE VIEW closing_counts AS
SELECT c.office_id,
       c.z,
       c.day,
       c.kind,
       (c.record -> 'cashCount' ->> 'float')::bigint      AS opening_float,
       (c.record -> 'cashCount' ->> 'difference')::bigint AS difference,
       (c.record -> 'cashCount' ->> 'tolerance')::bigint  AS tolerance,
       c.record -> 'cashCount' ->> 'comment'              AS comment,
       c.record -> 'cashCount' ->> 'countedBy'            AS counted_by
  FROM closings c
 WHERE c.record ? 'cashCount';

CREATE VIEW closing_count_lines AS
SELECT c.office_id,
       c.z,
       c.day,
       l ->> 'item'                        AS item,
       (l ->> 'payform')::integer          AS payform,
       l ->> 'currencyShort'               AS currency,
       (l ->> 'counted')::bigint           AS counted,
       (l ->> 'expected')::bigint          AS expected,
       (l ->> 'difference')::bigint        AS difference,
       (l ->> 'systemDifference')::bigint  AS system_difference
  FROM closings c
 CROSS JOIN LATERAL jsonb_array_elements(c.record -> 'cashCount' -> 'lines') AS l
 WHERE c.record ? 'cashCount';
