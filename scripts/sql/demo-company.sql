-- A plausible demo company: one user (demo / demo123, stored as its SHA-256 digest), the
-- application enabled for it, and four months of deliveries ending today.

INSERT INTO emitent (emitent, operator_parola, eu_punct_lucru, este_operator)
VALUES ('demo', encode(sha256('demo123'::bytea), 'hex'), 'Sediu', true);

INSERT INTO aplicatie_mob (aplicatie_mob, activ, obs) VALUES ('wVelora', true, 'Raport DOVAD');
INSERT INTO aplicatie_mob_emitent (aplicatie_mob, emitent, rol) VALUES ('wVelora', 'demo', 'admin');

INSERT INTO eu (cod_cci, eu, tara, localit, adresa, metoda_stoc, tip_contabilitate, saft_cod, jas_ip)
VALUES ('RO 1234567', 'Distribuitor Demo SRL', 'RO', 'Cluj-Napoca', 'Str. Fabricii 1', 'FIFO',
        'standard', '01', '10.0.0.5:8443');

INSERT INTO articol (articol, brand, producator, cod_bare, cod_art, cod_la_producator, proc_tva)
SELECT name, brand, producer, lpad((5900000000000 + n * 7919)::text, 13, '0'),
       'A' || lpad(n::text, 5, '0'), 'P-' || (1000 + n), CASE WHEN n % 5 = 0 THEN 19 ELSE 9 END
FROM (
  SELECT n,
         (ARRAY['Aptamil', 'Milupa', 'Nutrilon', 'Cow&Gate', 'Neocate'])[1 + n % 5]
           || ' ' || (ARRAY['Lapte praf', 'Cereale', 'Piure', 'Formula speciala'])[1 + n % 4]
           || ' ' || (200 + (n % 6) * 100) || 'g' || CASE WHEN n > 20 THEN ' v' || n ELSE '' END AS name,
         CASE WHEN n % 9 = 0 THEN 'Danone EDP' ELSE 'Danone AMN' END AS brand,
         'RIROZE - DAVOVEROZ ID EVOREVEVUZA VE DAZUVOV IREDORAVOR ADE' AS producer
  FROM generate_series(1, 40) AS n
) AS a;
INSERT INTO articol (articol, brand, producator, proc_tva)
VALUES ('Apa minerala 2L', 'Borsec', 'Romaqua Group', 19);

INSERT INTO partener (partener, cod_cci, adr_cod_iso_tara, adr_cod_iso_judet, adr_localitate,
                      adr_strada, adr_nr_strada, adr_adresa, cod_postal_adresa, telefon, email_adr,
                      gln, gr_partener)
SELECT name, 'RO' || (100000 + n * 37), 'RO', county, town, 'Str. Principala', n::text,
       'Str. Principala ' || n || ', ' || town, lpad((400000 + n * 11)::text, 6, '0'),
       '07' || lpad((n * 1234567 % 100000000)::text, 8, '0'), 'office' || n || '@example.ro',
       lpad((5940000000000 + n)::text, 13, '0'),
       (ARRAY['FARMACII', 'SPITALE', 'DISTRIBUITORI', 'MAGAZINE'])[1 + n % 4]
FROM (
  SELECT n,
         (ARRAY['Farmacia ', 'Spitalul ', 'Distributie ', 'Market '])[1 + n % 4]
           || (ARRAY['Sfanta Maria', 'Tei', 'Catena', 'Dona', 'Help Net', 'Centrala', 'Nord', 'Sud'])[1 + n % 8]
           || ' ' || n AS name,
         (ARRAY['CJ', 'B', 'IS', 'TM', 'BV'])[1 + n % 5] AS county,
         (ARRAY['Cluj-Napoca', 'Bucuresti', 'Iasi', 'Timisoara', 'Brasov'])[1 + n % 5] AS town
  FROM generate_series(1, 60) AS n
) AS p;

INSERT INTO partener_punct_lucru (partener, partener_punct_lucru, cod_fiscal_partener_punct_lucru,
                                  adr_pl_cod_iso_tara, adr_pl_cod_iso_judet, adr_pl_localitate,
                                  adr_pl_strada, adr_pl_nr_strada, adr_pl_adresa,
                                  cod_postal_adresa_pl, telefon_pl, email_adr_pl, gln_pl)
SELECT p.partener, 'Punct ' || k, p.cod_cci, 'RO', p.adr_cod_iso_judet, p.adr_localitate,
       'Str. Secundara', (k * 3)::text, 'Str. Secundara ' || k * 3 || ', ' || p.adr_localitate,
       p.cod_postal_adresa, p.telefon, 'punct' || k || '@example.ro', p.gln
FROM partener AS p, generate_series(1, 3) AS k
WHERE k <= 1 + p.partener_id % 3;

INSERT INTO partener_articol (partener, articol, cod_art_la_client)
SELECT p.partener, a.articol, 'C' || p.partener_id || '-' || substr(a.cod_art, 2)
FROM partener AS p, articol AS a
WHERE (p.partener_id + length(a.articol)) % 4 = 0;

-- Incoming documents: one receipt a week with a line per article.
INSERT INTO doc (data_doc, tip_doc, nr_doc, partener)
SELECT d::date, 'NIR', 'NIR' || to_char(d, 'YYYYMMDD'), NULL
FROM generate_series(date_trunc('month', current_date) - interval '4 months', current_date, interval '7 days') AS d;
INSERT INTO doc_poz (data_doc, tip_doc, nr_doc, scv, articol, pret, lot, data_expirare)
SELECT d.data_doc, d.tip_doc, d.nr_doc, a.n, a.articol, 10 + a.n * 1.25,
       'L' || to_char(d.data_doc, 'YYMMDD') || '-' || a.n, d.data_doc + 365
FROM doc AS d, (SELECT articol, row_number() OVER (ORDER BY articol) AS n FROM articol) AS a
WHERE d.tip_doc = 'NIR';

-- Outgoing documents: a few a day to the partners, of the three delivery types and others.
INSERT INTO doc (data_doc, tip_doc, nr_doc, partener, partener_punct_lucru)
SELECT day::date, tip, tip || '-' || to_char(day, 'YYMMDD') || '-' || k, p.partener,
       CASE WHEN k % 5 = 0 THEN NULL ELSE 'Punct ' || (1 + (k + p.partener_id) % (1 + p.partener_id % 3)) END
FROM generate_series(date_trunc('month', current_date) - interval '4 months', current_date, interval '1 day') AS day,
     generate_series(1, 6) AS k,
     LATERAL (SELECT (ARRAY['FactCI', 'AVZ_C', 'B_Casa', 'FactCI', 'AVZ_C', 'RET'])[k] AS tip) AS t,
     LATERAL (SELECT partener, partener_id FROM partener
              WHERE partener_id = 1 + (extract(doy FROM day)::int * 7 + k * 13) % 60) AS p;
INSERT INTO doc_poz (data_doc, tip_doc, nr_doc, scv, articol, pret)
SELECT d.data_doc, d.tip_doc, d.nr_doc, line, a.articol,
       CASE WHEN line = 4 AND d.nr_doc LIKE '%-3' THEN NULL ELSE 12 + a.n * 1.4 END
FROM doc AS d, generate_series(1, 4) AS line,
     LATERAL (SELECT articol, n FROM (SELECT articol, row_number() OVER (ORDER BY articol) AS n FROM articol) AS x
              WHERE n = 1 + (length(d.nr_doc) * 5 + line * 11 + extract(day FROM d.data_doc)::int) % 41) AS a
WHERE d.tip_doc <> 'NIR';

-- Each outgoing line drew its goods from the latest receipt before it, sometimes from two.
INSERT INTO doc_poz_stoc (data_doc_e, tip_doc_e, nr_doc_e, scv_e, data_doc_i, tip_doc_i, nr_doc_i, scv_i, cant)
SELECT e.data_doc, e.tip_doc, e.nr_doc, e.scv, i.data_doc, i.tip_doc, i.nr_doc, i.scv,
       1 + (e.scv * 3 + extract(day FROM e.data_doc)::int) % 12
FROM doc_poz AS e
JOIN LATERAL (SELECT data_doc, tip_doc, nr_doc, scv FROM doc_poz AS i
              WHERE i.tip_doc = 'NIR' AND i.articol = e.articol AND i.data_doc <= e.data_doc
              ORDER BY i.data_doc DESC LIMIT 2) AS i ON true
WHERE e.tip_doc <> 'NIR';

ANALYZE;
