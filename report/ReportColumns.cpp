#include "report/ReportColumns.h"

#include <QStringList>

namespace wv::report {

namespace {

// Numbers whose sum means nothing: line numbers, ids, prices and rates.
bool sumsInFooter(const QString& field) {
  static const QStringList notSummed = {
      QStringLiteral("scv_e"),       QStringLiteral("scv_i"),
      QStringLiteral("partener_id"), QStringLiteral("partener_punct_lucru_id"),
      QStringLiteral("pret"),        QStringLiteral("proc_tva")};
  return !notSummed.contains(field);
}

// A column is named after its view followed by its field.
grid::GridColumn column(const QString& view, const QString& caption, const QString& field,
                        int width) {
  grid::GridColumn c;
  c.name = view + field;
  c.caption = caption;
  c.fieldName = field;
  c.width = width;
  c.footerSum = sumsInFooter(field);
  return c;
}

}  // namespace

std::vector<grid::GridColumn> livrariColumns() {
  return {
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("dataDoc_e"),
             QStringLiteral("data_doc_e"), 73),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("tipDoc_e"),
             QStringLiteral("tip_doc_e"), 62),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("nrDoc_e"),
             QStringLiteral("nr_doc_e"), 85),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("scv_e"),
             QStringLiteral("scv_e"), 42),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("dataDoc_i"),
             QStringLiteral("data_doc_i"), 81),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("tipDoc_i"),
             QStringLiteral("tip_doc_i"), 58),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("nrDoc_i"),
             QStringLiteral("nr_doc_i"), 85),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("scv_i"),
             QStringLiteral("scv_i"), 42),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("partener"),
             QStringLiteral("partener"), 250),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("partenerId"),
             QStringLiteral("partener_id"), 74),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("partenerPunctLucru"),
             QStringLiteral("partener_punct_lucru"), 134),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("partenerPunctLucruId"),
             QStringLiteral("partener_punct_lucru_id"), 133),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("partIdConcatenat"),
             QStringLiteral("part_id_concatenat"), 108),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("articol"),
             QStringLiteral("articol"), 300),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("brand"),
             QStringLiteral("brand"), 80),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("codBare"),
             QStringLiteral("cod_bare"), 95),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("codArt"),
             QStringLiteral("cod_art"), 72),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("codArtLaClient"),
             QStringLiteral("cod_art_la_client"), 116),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("codLaProducator"),
             QStringLiteral("cod_la_producator"), 112),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("cant"), QStringLiteral("cant"),
             52),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("pret"), QStringLiteral("pret"),
             66),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("valFaraTva"),
             QStringLiteral("val_fara_tva"), 82),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("lot"), QStringLiteral("lot"),
             100),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("dataExpirare"),
             QStringLiteral("data_expirare"), 100),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("grPartener"),
             QStringLiteral("gr_partener"), 110),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("sikCod"),
             QStringLiteral("sik_cod"), 50),
      column(QStringLiteral("cxGrid1DBTableView1"), QStringLiteral("producator"),
             QStringLiteral("producator"), 300),
  };
}

std::vector<grid::GridColumn> produseColumns() {
  return {
      column(QStringLiteral("cxGrid2DBTableView1"), QStringLiteral("articol"),
             QStringLiteral("articol"), 232),
      column(QStringLiteral("cxGrid2DBTableView1"), QStringLiteral("brand"),
             QStringLiteral("brand"), 80),
      column(QStringLiteral("cxGrid2DBTableView1"), QStringLiteral("codBare"),
             QStringLiteral("cod_bare"), 95),
      column(QStringLiteral("cxGrid2DBTableView1"), QStringLiteral("codArt"),
             QStringLiteral("cod_art"), 72),
      column(QStringLiteral("cxGrid2DBTableView1"), QStringLiteral("codLaProducator"),
             QStringLiteral("cod_la_producator"), 112),
      column(QStringLiteral("cxGrid2DBTableView1"), QStringLiteral("procTva"),
             QStringLiteral("proc_tva"), 53),
      column(QStringLiteral("cxGrid2DBTableView1"), QStringLiteral("producator"),
             QStringLiteral("producator"), 78),
  };
}

std::vector<grid::GridColumn> clientiColumns() {
  return {
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("partener"),
             QStringLiteral("partener"), 200),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("partenerId"),
             QStringLiteral("partener_id"), 72),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("codFiscal"),
             QStringLiteral("cod_cci"), 80),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("codIsoTara"),
             QStringLiteral("adr_cod_iso_tara"), 72),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("codIsoJudet"),
             QStringLiteral("adr_cod_iso_judet"), 77),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("localitate"),
             QStringLiteral("adr_localitate"), 100),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("strada"),
             QStringLiteral("adr_strada"), 100),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("nrStrada"),
             QStringLiteral("adr_nr_strada"), 60),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("adresa"),
             QStringLiteral("adr_adresa"), 165),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("codPostal"),
             QStringLiteral("cod_postal_adresa"), 67),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("telefon"),
             QStringLiteral("telefon"), 70),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("email"),
             QStringLiteral("email_adr"), 110),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("gln"), QStringLiteral("gln"),
             100),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("partenerPunctLucru"),
             QStringLiteral("partener_punct_lucru"), 166),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("partenerId_PL"),
             QStringLiteral("partener_punct_lucru_id"), 90),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("codFiscal_PL"),
             QStringLiteral("cod_fiscal_partener_punct_lucru"), 86),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("codIsoTara_PL"),
             QStringLiteral("adr_pl_cod_iso_tara"), 96),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("codIsoJudet_PL"),
             QStringLiteral("adr_pl_cod_iso_judet"), 100),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("localitate_PL"),
             QStringLiteral("adr_pl_localitate"), 100),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("strada_PL"),
             QStringLiteral("adr_pl_strada"), 100),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("nrStrada_PL"),
             QStringLiteral("adr_pl_nr_strada"), 100),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("adresa_PL"),
             QStringLiteral("adr_pl_adresa"), 165),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("codPostal_PL"),
             QStringLiteral("cod_postal_adresa_pl"), 86),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("telefon_PL"),
             QStringLiteral("telefon_pl"), 70),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("email_PL"),
             QStringLiteral("email_adr_pl"), 110),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("gln_PL"),
             QStringLiteral("gln_pl"), 100),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("partIdConcatenat"),
             QStringLiteral("part_id_concatenat"), 110),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("grPartener"),
             QStringLiteral("gr_partener"), 110),
      column(QStringLiteral("cxGrid3DBTableView1"), QStringLiteral("sikCod"),
             QStringLiteral("sik_cod"), 50),
  };
}

}  // namespace wv::report
