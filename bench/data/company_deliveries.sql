-- A company database whose report month holds :scale delivery movements of the brand:
-- 500 articles, 5,000 partners with two working points each, incoming receipts, and outgoing
-- documents of four lines, each line drawn from two receipt lines. Run in an empty database
-- after scripts/sql/company-schema.sql; the month is March 2026.
INSERT INTO articol (articol, brand, producator, cod_bare, cod_art, cod_la_producator, proc_tva)
SELECT 'DANONE AMN Produs ' || n,
       CASE WHEN n % 50 = 0 THEN 'Danone EDP' ELSE 'Danone AMN' END,
       'RIROZE - DAVOVEROZ ID EVOREVEVUZA VE DAZUVOV IREDORAVOR ADE',
       lpad((5900000000000 + n)::text, 13, '0'), 'A' || n, 'P-' || n, 9
FROM generate_series(1, 500) AS n;

INSERT INTO partener (partener, partener_id, cod_cci, adr_localitate, gr_partener)
SELECT 'Partener ' || n, n, 'RO' || n, 'Localitate ' || n % 300,
       (ARRAY['FARMACII', 'SPITALE', 'ALTII'])[1 + n % 3]
FROM generate_series(1, 5000) AS n;
INSERT INTO partener_punct_lucru (partener, partener_punct_lucru, partener_punct_lucru_id, adr_pl_localitate)
SELECT 'Partener ' || n, 'Punct ' || k, n * 10 + k, 'Localitate ' || n % 300
FROM generate_series(1, 5000) AS n, generate_series(1, 2) AS k;
INSERT INTO partener_articol (partener, articol, cod_art_la_client)
SELECT 'Partener ' || n, 'DANONE AMN Produs ' || (1 + n % 500), 'C' || n
FROM generate_series(1, 5000) AS n;

INSERT INTO doc (data_doc, tip_doc, nr_doc)
SELECT DATE '2026-02-01' + d, 'NIR', 'N' || d FROM generate_series(0, 27) AS d;
INSERT INTO doc_poz (data_doc, tip_doc, nr_doc, scv, articol, pret, lot, data_expirare)
SELECT DATE '2026-02-01' + d, 'NIR', 'N' || d, a, 'DANONE AMN Produs ' || a, 10 + a * 0.01,
       'L' || d || '-' || a, DATE '2027-02-01' + d
FROM generate_series(0, 27) AS d, generate_series(1, 500) AS a;

-- :scale movements = documents × 4 lines × 2 receipt lines.
INSERT INTO doc (data_doc, tip_doc, nr_doc, partener, partener_punct_lucru)
SELECT DATE '2026-03-01' + n % 31, (ARRAY['FactCI', 'AVZ_C', 'B_Casa'])[1 + n % 3], 'F' || n,
       'Partener ' || (1 + n % 5000), 'Punct ' || (1 + n % 2)
FROM generate_series(1, :scale / 8) AS n;
INSERT INTO doc_poz (data_doc, tip_doc, nr_doc, scv, articol, pret)
SELECT DATE '2026-03-01' + n % 31, (ARRAY['FactCI', 'AVZ_C', 'B_Casa'])[1 + n % 3], 'F' || n, line,
       'DANONE AMN Produs ' || (1 + (n * 7 + line * 13) % 500), 12.5 + line
FROM generate_series(1, :scale / 8) AS n, generate_series(1, 4) AS line;
INSERT INTO doc_poz_stoc (data_doc_e, tip_doc_e, nr_doc_e, scv_e, data_doc_i, tip_doc_i, nr_doc_i, scv_i, cant)
SELECT DATE '2026-03-01' + n % 31, (ARRAY['FactCI', 'AVZ_C', 'B_Casa'])[1 + n % 3], 'F' || n, line,
       DATE '2026-02-01' + k * 10 + n % 7, 'NIR', 'N' || (k * 10 + n % 7), 1 + (n * 7 + line * 13) % 500, 1 + n % 5
FROM generate_series(1, :scale / 8) AS n, generate_series(1, 4) AS line, generate_series(0, 1) AS k;
VACUUM ANALYZE;
