-- The company registry database (vek_mob): where each company's database lives.

CREATE TABLE m_firma (
  nume_firma varchar(200) NOT NULL,
  ip text,
  port integer,
  db_name text,
  activ boolean,
  m_site boolean NOT NULL DEFAULT false,
  pw_hash_type varchar(23),
  PRIMARY KEY (nume_firma)
);
