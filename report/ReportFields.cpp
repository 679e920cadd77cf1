#include "report/ReportFields.h"

namespace wv::report {

using pg::FieldType;

std::vector<pg::FieldDef> livrariFields() {
  return {
      {"data_doc_e", FieldType::Date, 0, true, false},
      {"tip_doc_e", FieldType::Text, 7, true, false},
      {"nr_doc_e", FieldType::Text, 15, true, false},
      {"scv_e", FieldType::Int32, 0, true, false},
      {"data_doc_i", FieldType::Date, 0, true, false},
      {"tip_doc_i", FieldType::Text, 7, true, false},
      {"nr_doc_i", FieldType::Text, 15, true, false},
      {"scv_i", FieldType::Int32, 0, true, false},
      {"partener", FieldType::Text, 100, false, true},
      {"partener_id", FieldType::Int64, 0, false, true, true},
      {"partener_punct_lucru", FieldType::Text, 50, false, true},
      {"partener_punct_lucru_id", FieldType::Int64, 0, false, true, true},
      {"part_id_concatenat", FieldType::LongText, 0, false, true},
      {"articol", FieldType::Text, 200, true, true},
      {"cod_bare", FieldType::Text, 20, false, true},
      {"cod_art", FieldType::Text, 20, false, true},
      {"cod_art_la_client", FieldType::Text, 20, false, true},
      {"cod_la_producator", FieldType::Text, 25, false, true},
      {"cant", FieldType::Double, 0, true, false},
      {"pret", FieldType::Double, 0, false, true},
      {"val_fara_tva", FieldType::Double, 0, false, true},
      {"lot", FieldType::Text, 20, false, true},
      {"data_expirare", FieldType::Date, 0, false, true},
      {"gr_partener", FieldType::Text, 20, false, true},
      {"sik_cod", FieldType::LongText, 0, false, true},
      {"producator", FieldType::Text, 100, false, true},
      {"brand", FieldType::Text, 100, false, true},
  };
}

std::vector<pg::FieldDef> clientiFields() {
  return {
      {"partener", FieldType::Text, 100, true, false},
      {"partener_id", FieldType::Int64, 0, false, false},
      {"cod_cci", FieldType::Text, 20, false, false},
      {"adr_cod_iso_tara", FieldType::LongText, 0, false, false},
      {"adr_cod_iso_judet", FieldType::LongText, 0, false, false},
      {"adr_localitate", FieldType::LongText, 0, false, false},
      {"adr_strada", FieldType::LongText, 0, false, false},
      {"adr_nr_strada", FieldType::LongText, 0, false, false},
      {"adr_adresa", FieldType::LongText, 0, false, false},
      {"cod_postal_adresa", FieldType::Text, 6, false, false},
      {"telefon", FieldType::Text, 50, false, false},
      {"email_adr", FieldType::Text, 100, false, false},
      {"gln", FieldType::Text, 13, false, false},
      {"partener_punct_lucru", FieldType::Text, 50, true, true},
      {"partener_punct_lucru_id", FieldType::Int64, 0, false, true},
      {"cod_fiscal_partener_punct_lucru", FieldType::Text, 15, false, true},
      {"adr_pl_cod_iso_tara", FieldType::LongText, 0, false, true},
      {"adr_pl_cod_iso_judet", FieldType::LongText, 0, false, true},
      {"adr_pl_localitate", FieldType::LongText, 0, false, true},
      {"adr_pl_strada", FieldType::LongText, 0, false, true},
      {"adr_pl_nr_strada", FieldType::LongText, 0, false, true},
      {"adr_pl_adresa", FieldType::LongText, 0, false, true},
      {"cod_postal_adresa_pl", FieldType::Text, 6, false, true},
      {"telefon_pl", FieldType::Text, 50, false, true},
      {"email_adr_pl", FieldType::Text, 50, false, true},
      {"gln_pl", FieldType::Text, 13, false, true},
      {"part_id_concatenat", FieldType::LongText, 0, false, true},
      {"gr_partener", FieldType::Text, 20, false, false},
      {"sik_cod", FieldType::LongText, 0, false, true},
  };
}

std::vector<pg::FieldDef> produseFields() {
  return {
      {"articol", FieldType::Text, 200, true, false},
      {"producator", FieldType::Text, 100, false, false},
      {"cod_bare", FieldType::Text, 20, false, false},
      {"cod_art", FieldType::Text, 20, false, false},
      {"cod_la_producator", FieldType::Text, 25, false, false},
      {"proc_tva", FieldType::Double, 0, true, false},
      {"brand", FieldType::Text, 100, false, false},
  };
}

}  // namespace wv::report
