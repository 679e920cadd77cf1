# wv_encode_secret(TEXT OUT_VAR): the bytes of TEXT (UTF-8) XOR-ed with a keystream, as a
# comma-separated list of hexadecimal byte literals, so the text never stands in the binary.
# The same keystream is rebuilt at run time by data/Configuration.cpp.
function(wv_encode_secret text out_var)
  string(HEX "${text}" hex)
  string(LENGTH "${hex}" hex_length)
  set(state 2166136261)
  set(bytes "")
  set(i 0)
  while(i LESS hex_length)
    string(SUBSTRING "${hex}" ${i} 2 byte_hex)
    # Keystream: a 32-bit linear congruential generator; one byte per step.
    math(EXPR state "(${state} * 1103515245 + 12345) & 0xFFFFFFFF")
    math(EXPR key "(${state} >> 16) & 0xFF")
    math(EXPR encoded "0x${byte_hex} ^ ${key}" OUTPUT_FORMAT HEXADECIMAL)
    list(APPEND bytes "${encoded}")
    math(EXPR i "${i} + 2")
  endwhile()
  list(JOIN bytes ", " joined)
  set(${out_var} "${joined}" PARENT_SCOPE)
endfunction()
