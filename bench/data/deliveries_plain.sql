-- A plain table shaped like the deliveries result: 27 columns in the field order, with the
-- repetition of real data (a few document types, producers and brands; thousands of partners
-- and articles; a document number shared by a few lines) and some nulls.
-- psql -v scale=ROWS -f deliveries_plain.sql
DROP TABLE IF EXISTS deliveries_plain;
CREATE TABLE deliveries_plain AS
SELECT
  date '2024-01-01' + (g % 365) AS data_doc_e,
  (array['FactCI', 'AVZ_C', 'B_Casa'])[1 + g % 3]::varchar(7) AS tip_doc_e,
  ('FCI' || lpad((g / 4)::text, 8, '0'))::varchar(15) AS nr_doc_e,
  (g % 4 + 1)::int4 AS scv_e,
  date '2023-06-01' + (g % 200) AS data_doc_i,
  'NIR'::varchar(7) AS tip_doc_i,
  ('NIR' || lpad((g % 5000)::text, 6, '0'))::varchar(15) AS nr_doc_i,
  (g % 30 + 1)::int4 AS scv_i,
  ('FARMACIA CLIENTULUI NR ' || (g % 2000) || ' SRL')::varchar(100) AS partener,
  (g % 2000 + 1)::int8 AS partener_id,
  CASE WHEN g % 7 = 0 THEN NULL ELSE 'PUNCT DE LUCRU ' || (g % 3) END::varchar(50)
    AS partener_punct_lucru,
  CASE WHEN g % 7 = 0 THEN NULL ELSE (g % 6000 + 1)::int8 END AS partener_punct_lucru_id,
  ((g % 2000 + 1) || '/' || CASE WHEN g % 7 = 0 THEN '' ELSE (g % 6000 + 1)::text END)
    AS part_id_concatenat,
  ('DANONE ARTICOL ' || (g % 800) || ' IAURT 4X125G')::varchar(200) AS articol,
  (5940000000000 + g % 800)::text::varchar(20) AS cod_bare,
  ('ART' || (g % 800))::varchar(20) AS cod_art,
  CASE WHEN g % 5 = 0 THEN NULL ELSE 'CL' || (g % 1600) END::varchar(20) AS cod_art_la_client,
  ('PRD-' || (g % 800))::varchar(25) AS cod_la_producator,
  ((g % 97) + 0.5)::numeric(15, 3) AS cant,
  CASE WHEN g % 101 = 0 THEN NULL ELSE ((g % 1000) / 10.0 + 1.99) END::numeric(15, 4) AS pret,
  CASE WHEN g % 101 = 0 THEN NULL ELSE ((g % 97) + 0.5) * ((g % 1000) / 10.0 + 1.99) END
    ::numeric(15, 4) AS val_fara_tva,
  ('L' || (g % 5000))::varchar(20) AS lot,
  CASE WHEN g % 11 = 0 THEN NULL ELSE date '2025-01-01' + (g % 700) END AS data_expirare,
  (array['FARMACII', 'SPITALE', 'DISTRIBUITORI', NULL])[1 + g % 4]::varchar(20) AS gr_partener,
  CASE g % 4 WHEN 0 THEN '1' WHEN 1 THEN '2' ELSE '3' END AS sik_cod,
  'RIROZE - DAVOVEROZ ID EVOREVEVUZA VE DAZUVOV IREDORAVOR ADE'::varchar(100) AS producator,
  'Danone AMN'::varchar(100) AS brand
FROM generate_series(1, :scale) AS g;
VACUUM ANALYZE deliveries_plain;
