# What a Linux host finds of the built modules: the entry points of their
# format and no other symbol, and, after an install, the VST 2 module alone
# under lib/vst and the CLAP module under lib/clap, beside the renderer and
# the headless module its editor pictures open.
# Run with -DNM=... -DMODULE=... -DCLAP_MODULE=... -DBUILD_DIR=... -DSTAGE=... -P.

function(check_exports module expected)
    execute_process(COMMAND ${NM} -D --defined-only ${module}
        OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${NM} cannot read ${module}")
    endif()
    # Lines are "address type name"; the name is the last field.
    string(REGEX MATCHALL "[^ \n]+\n" names "${listing}")
    list(TRANSFORM names STRIP)
    list(SORT names)
    if(NOT names STREQUAL "${expected}")
        message(FATAL_ERROR "${module} exports ${names}")
    endif()
endfunction()
check_exports(${MODULE} "VSTPluginMain;main")
check_exports(${CLAP_MODULE} clap_entry)

file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE}
    OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cmake --install ${BUILD_DIR} failed")
endif()
file(GLOB_RECURSE installed RELATIVE ${STAGE} ${STAGE}/*)
file(REMOVE_RECURSE ${STAGE})
list(SORT installed)
if(NOT installed STREQUAL
   "bin/tarvolin-render;lib/clap/Tarvolin.clap;lib/tarvolin/TarvolinHeadless.so;lib/vst/Tarvolin.so")
    message(FATAL_ERROR "the install made ${installed}")
endif()
