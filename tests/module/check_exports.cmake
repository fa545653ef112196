# Fails unless the module's dynamic symbol table defines exactly the VST3
# entry points.
execute_process (COMMAND nm -D --defined-only "${MODULE}"
                 OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
if (NOT result EQUAL 0)
  message (FATAL_ERROR "nm failed on ${MODULE}")
endif ()
string (REGEX MATCHALL "[0-9a-f]+ [A-Za-z] [^\n]+" entries "${symbols}")
set (names)
foreach (entry IN LISTS entries)
  string (REGEX REPLACE "^[0-9a-f]+ [A-Za-z] " "" name "${entry}")
  list (APPEND names "${name}")
endforeach ()
list (SORT names)
set (expected GetPluginFactory ModuleEntry ModuleExit)
if (NOT names STREQUAL expected)
  message (FATAL_ERROR "module exports '${names}', expected '${expected}'")
endif ()
