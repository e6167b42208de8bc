# What a Windows host finds of the built DLL: its format, and the entry points
# under exactly the names hosts of that format look up.
# Run with -DOBJDUMP=... -DMODULE=... -DFORMAT=PE32|PE32+ -DEXPORTS=a;b -P.

execute_process(COMMAND ${OBJDUMP} -p ${MODULE} OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${OBJDUMP} cannot read ${MODULE}")
endif()
if(NOT listing MATCHES "Magic[ \t]+[0-9a-f]+[ \t]+\\(([A-Z0-9+]+)\\)")
    message(FATAL_ERROR "no optional header in ${MODULE}")
endif()
if(NOT CMAKE_MATCH_1 STREQUAL FORMAT)
    message(FATAL_ERROR "${MODULE} is ${CMAKE_MATCH_1}, not ${FORMAT}")
endif()

# The name table lists "[ordinal] name" lines after its heading.
string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n([^\n]+\n)+" table "${listing}")
string(REGEX MATCHALL "\\[ *[0-9]+\\][ \t]+[^ \t\n]+" names "${table}")
list(TRANSFORM names REPLACE "^\\[ *[0-9]+\\][ \t]+" "")
list(SORT names)
if(NOT names STREQUAL EXPORTS)
    message(FATAL_ERROR "${MODULE} exports ${names}, not ${EXPORTS}")
endif()
