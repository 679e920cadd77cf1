select 'a:b', "x:y", $q$:z$q$, E'\':w', x::text /* :c /* :d */ */ -- :e
, :p1, :p1