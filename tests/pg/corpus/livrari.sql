select 
       doc_poz_stoc.data_doc_e,
       doc_poz_stoc.tip_doc_e,
       doc_poz_stoc.nr_doc_e,
       doc_poz_stoc.scv_e,

       doc_poz_stoc.data_doc_i,
       doc_poz_stoc.tip_doc_i,
       doc_poz_stoc.nr_doc_i,
       doc_poz_stoc.scv_i,

       de.partener,
       partener.partener_id,
       de.partener_punct_lucru,
       partener_punct_lucru.partener_punct_lucru_id,
       partener.partener_id::text || '/' || coalesce(partener_punct_lucru.partener_punct_lucru_id::text, '') as part_id_concatenat,

       dpe.articol,
       articol.brand,
       articol.cod_bare,
       articol.cod_art,
--       articol.cod_ean este egal cu cod_bare
       partener_articol.cod_art_la_client,
       articol.cod_la_producator,

       doc_poz_stoc.cant,
       dpe.pret,
       doc_poz_stoc.cant * dpe.pret as val_fara_tva,
       dpi.lot,
       dpi.data_expirare,


       partener.gr_partener,
       case when partener.gr_partener in ('FARMACII') then '1'
            when partener.gr_partener in ('SPITALE')  then '2'
            else '3'
       end as sik_cod,
       articol.producator

from doc_poz_stoc left outer join doc     as de  on doc_poz_stoc.data_doc_e = de.data_doc
                                                and doc_poz_stoc.tip_doc_e  = de.tip_doc
                                                and doc_poz_stoc.nr_doc_e   = de.nr_doc
                  left outer join doc_poz as dpe on doc_poz_stoc.data_doc_e = dpe.data_doc
                                                and doc_poz_stoc.tip_doc_e  = dpe.tip_doc
                                                and doc_poz_stoc.nr_doc_e   = dpe.nr_doc
                                                and doc_poz_stoc.scv_e      = dpe.scv
                  left outer join doc_poz as dpi on doc_poz_stoc.data_doc_i = dpi.data_doc
                                                and doc_poz_stoc.tip_doc_i  = dpi.tip_doc
                                                and doc_poz_stoc.nr_doc_i   = dpi.nr_doc
                                                and doc_poz_stoc.scv_i      = dpi.scv
                  left outer join articol on dpe.articol = articol.articol
                  left outer join partener on de.partener = partener.partener
                  left outer join partener_punct_lucru on de.partener = partener_punct_lucru.partener
                                                      and de.partener_punct_lucru = partener_punct_lucru.partener_punct_lucru
                  left outer join partener_articol on de.partener = partener_articol.partener
                                                  and dpe.articol = partener_articol.articol
where doc_poz_stoc.data_doc_e between :pDataIncep and :pDataSf --'01.06.2026' and '30.06.2026'
  and doc_poz_stoc.tip_doc_e in ('FactCI', 'AVZ_C', 'B_Casa')
  and articol.producator = :pProducator -- 'RIROZE - DAVOVEROZ ID EVOREVEVUZA VE DAZUVOV IREDORAVOR ADE'
  and articol.brand = 'Danone AMN'
order by doc_poz_stoc.data_doc_e,
         doc_poz_stoc.tip_doc_e,
         doc_poz_stoc.nr_doc_e,
         doc_poz_stoc.scv_e,

         doc_poz_stoc.data_doc_i,
         doc_poz_stoc.tip_doc_i,
         doc_poz_stoc.nr_doc_i,
         doc_poz_stoc.scv_i