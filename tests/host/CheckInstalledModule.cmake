# What a Linux host finds of the built module: the two entry points and no
# other symbol, and, after an install, the module alone under lib/vst, beside
# the renderer and the headless module its editor pictures open.
# Run with -DNM=... -DMODULE=... -DBUILD_DIR=... -DSTAGE=... -P.

execute_process(COMMAND ${NM} -D --defined-only ${MODULE}
    OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${NM} cannot read ${MODULE}")
endif()
# Lines are "address type name"; the name is the last field.
string(REGEX MATCHALL "[^ \n]+\n" names "${listing}")
list(TRANSFORM names STRIP)
list(SORT names)
if(NOT names STREQUAL "VSTPluginMain;main")
    message(FATAL_ERROR "the module exports ${names}")
endif()

file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
    OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cmake --install ${BUILD_DIR} failed")
endif()
file(GLOB_RECURSE installed RELATIVE ${STAGE} ${STAGE}/*)
file(REMOVE_RECURSE ${STAGE})
list(SORT installed)
if(NOT installed STREQUAL "bin/tarvolin-render;lib/tarvolin/TarvolinHeadless.so;lib/vst/Tarvolin.so")
    message(FATAL_ERROR "the install made ${installed}")
endif()
