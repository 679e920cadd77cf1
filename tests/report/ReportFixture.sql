-- A company with the edge cases of the report: range ends, other document types, brands and
-- producers, partner groups, documents without partner or working point, lines without price,
-- a client with three working points and one without any.
INSERT INTO articol (articol, brand, producator, cod_bare, cod_art, cod_la_producator, proc_tva) VALUES
  ('Aptamil 1 800g', 'Danone AMN', 'RIROZE - DAVOVEROZ ID EVOREVEVUZA VE DAZUVOV IREDORAVOR ADE', '0059000000017', 'A001', 'P-1', 9),
  ('Milupa Cereale 250g', 'Danone AMN', 'RIROZE - DAVOVEROZ ID EVOREVEVUZA VE DAZUVOV IREDORAVOR ADE', '0059000000024', 'A002', NULL, 9),
  ('Activia Cirese', 'Danone EDP', 'RIROZE - DAVOVEROZ ID EVOREVEVUZA VE DAZUVOV IREDORAVOR ADE', NULL, 'A003', 'P-3', 9),
  ('Nutrilon Mic', 'danone amn', 'RIROZE - DAVOVEROZ ID EVOREVEVUZA VE DAZUVOV IREDORAVOR ADE', NULL, 'A004', NULL, 9),
  ('Copie Straina', 'Danone AMN', 'Alt Producator SRL', NULL, 'A005', NULL, 19);

INSERT INTO partener (partener, partener_id, cod_cci, adr_localitate, gr_partener) VALUES
  ('Farmacia Tei', 17, 'RO17', 'Bucuresti', 'FARMACII'),
  ('Spitalul Judetean', 18, 'RO18', 'Cluj-Napoca', 'SPITALE'),
  ('Farmacia mica', 19, 'RO19', 'Iasi', 'farmacii'),
  ('Client Fara Grup', 20, NULL, NULL, NULL),
  ('Nelivrat', 21, 'RO21', 'Arad', 'FARMACII');

INSERT INTO partener_punct_lucru (partener, partener_punct_lucru, partener_punct_lucru_id, adr_pl_localitate, gln_pl) VALUES
  ('Farmacia Tei', 'Punct 1', 5, 'Bucuresti', '5940000000012'),
  ('Farmacia Tei', 'Punct 2', 6, 'Bucuresti', NULL),
  ('Farmacia Tei', 'Punct 3', 7, 'Otopeni', NULL),
  ('Spitalul Judetean', 'Sectia A', 8, 'Cluj-Napoca', NULL);

INSERT INTO partener_articol (partener, articol, cod_art_la_client) VALUES
  ('Farmacia Tei', 'Aptamil 1 800g', 'TEI-APT');

INSERT INTO doc (data_doc, tip_doc, nr_doc, partener, partener_punct_lucru) VALUES
  ('2026-02-01', 'NIR', 'N1', NULL, NULL),
  ('2026-02-28', 'FactCI', 'F0', 'Farmacia Tei', 'Punct 1'),
  ('2026-03-01', 'FactCI', 'F1', 'Farmacia Tei', 'Punct 1'),
  ('2026-03-10', 'AVZ_C', 'A1', 'Spitalul Judetean', NULL),
  ('2026-03-11', 'B_Casa', 'B1', NULL, NULL),
  ('2026-03-12', 'FactCI', 'F2', 'Farmacia mica', 'Inexistent'),
  ('2026-03-13', 'RET', 'R1', 'Nelivrat', NULL),
  ('2026-03-14', 'FactCI', 'F3', 'Client Fara Grup', NULL),
  ('2026-03-15', 'FactCI', 'F4', 'Necunoscut SRL', NULL),
  ('2026-03-31', 'FactCI', 'F5', 'Farmacia Tei', 'Punct 1'),
  ('2026-04-01', 'FactCI', 'F6', 'Farmacia Tei', 'Punct 1');

INSERT INTO doc_poz (data_doc, tip_doc, nr_doc, scv, articol, pret, lot, data_expirare) VALUES
  ('2026-02-01', 'NIR', 'N1', 1, 'Aptamil 1 800g', 40.5, 'L-APT', '2027-01-31'),
  ('2026-02-01', 'NIR', 'N1', 2, 'Milupa Cereale 250g', 11.25, 'L-MIL', '2026-12-31'),
  ('2026-02-01', 'NIR', 'N1', 3, 'Activia Cirese', 2, 'L-ACT', '2026-03-30'),
  ('2026-02-01', 'NIR', 'N1', 4, 'Nutrilon Mic', 9, NULL, NULL),
  ('2026-02-01', 'NIR', 'N1', 5, 'Copie Straina', 9, NULL, NULL),
  ('2026-02-28', 'FactCI', 'F0', 1, 'Aptamil 1 800g', 50, NULL, NULL),
  ('2026-03-01', 'FactCI', 'F1', 1, 'Aptamil 1 800g', 52.75, NULL, NULL),
  ('2026-03-01', 'FactCI', 'F1', 2, 'Activia Cirese', 3, NULL, NULL),
  ('2026-03-01', 'FactCI', 'F1', 3, 'Nutrilon Mic', 10, NULL, NULL),
  ('2026-03-01', 'FactCI', 'F1', 4, 'Copie Straina', 10, NULL, NULL),
  ('2026-03-10', 'AVZ_C', 'A1', 1, 'Milupa Cereale 250g', NULL, NULL, NULL),
  ('2026-03-11', 'B_Casa', 'B1', 1, 'Aptamil 1 800g', 55, NULL, NULL),
  ('2026-03-12', 'FactCI', 'F2', 1, 'Milupa Cereale 250g', 13.1, NULL, NULL),
  ('2026-03-13', 'RET', 'R1', 1, 'Aptamil 1 800g', 50, NULL, NULL),
  ('2026-03-14', 'FactCI', 'F3', 1, 'Aptamil 1 800g', 49.99, NULL, NULL),
  ('2026-03-15', 'FactCI', 'F4', 1, 'Milupa Cereale 250g', 12, NULL, NULL),
  ('2026-03-31', 'FactCI', 'F5', 1, 'Aptamil 1 800g', 51, NULL, NULL),
  ('2026-03-31', 'FactCI', 'F5', 2, 'Aptamil 1 800g', 51, NULL, NULL),
  ('2026-04-01', 'FactCI', 'F6', 1, 'Aptamil 1 800g', 51, NULL, NULL);

INSERT INTO doc_poz_stoc (data_doc_e, tip_doc_e, nr_doc_e, scv_e, data_doc_i, tip_doc_i, nr_doc_i, scv_i, cant) VALUES
  ('2026-02-28', 'FactCI', 'F0', 1, '2026-02-01', 'NIR', 'N1', 1, 1),
  ('2026-03-01', 'FactCI', 'F1', 1, '2026-02-01', 'NIR', 'N1', 1, 2),
  ('2026-03-01', 'FactCI', 'F1', 1, '2026-02-01', 'NIR', 'N1', 2, 0.5),
  ('2026-03-01', 'FactCI', 'F1', 2, '2026-02-01', 'NIR', 'N1', 3, 6),
  ('2026-03-01', 'FactCI', 'F1', 3, '2026-02-01', 'NIR', 'N1', 4, 1),
  ('2026-03-01', 'FactCI', 'F1', 4, '2026-02-01', 'NIR', 'N1', 5, 1),
  ('2026-03-10', 'AVZ_C', 'A1', 1, '2026-02-01', 'NIR', 'N1', 2, 3),
  ('2026-03-11', 'B_Casa', 'B1', 1, '2026-02-01', 'NIR', 'N1', 1, 1),
  ('2026-03-12', 'FactCI', 'F2', 1, '2026-02-01', 'NIR', 'N1', 2, 4),
  ('2026-03-13', 'RET', 'R1', 1, '2026-02-01', 'NIR', 'N1', 1, 1),
  ('2026-03-14', 'FactCI', 'F3', 1, '2026-02-01', 'NIR', 'N1', 1, 1),
  ('2026-03-15', 'FactCI', 'F4', 1, '2026-02-01', 'NIR', 'N1', 2, 1),
  ('2026-03-31', 'FactCI', 'F5', 1, '2026-02-01', 'NIR', 'N1', 1, 1.25),
  ('2026-03-31', 'FactCI', 'F5', 2, '2026-02-01', 'NIR', 'N1', 1, 2),
  ('2026-04-01', 'FactCI', 'F6', 1, '2026-02-01', 'NIR', 'N1', 1, 1);
