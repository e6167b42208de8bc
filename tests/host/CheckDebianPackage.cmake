# The Debian package as a user gets it: its name, the packages it depends on,
# the files it puts in place, and, unpacked into a throwaway root, a renderer
# that plays the demo through the packaged module and photographs its editor.
# Run with -DBUILD_DIR=... -DSTAGE=... -DVERSION=... -P.

function(run)
    execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${ARGN} failed:\n${out}${err}")
    endif()
    set(out "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${STAGE})
run(cpack --config ${BUILD_DIR}/CPackConfig.cmake -B ${STAGE})
set(package ${STAGE}/tarvolin_${VERSION}_amd64.deb)
if(NOT EXISTS ${package})
    file(GLOB made ${STAGE}/*.deb)
    message(FATAL_ERROR "expected ${package}, cpack made ${made}")
endif()

run(dpkg-deb --field ${package} Depends)
foreach(needed libx11-6 libxext6 libsndfile1 libc6)
    if(NOT out MATCHES "(^|, )${needed}( |,|\n|$)")
        message(FATAL_ERROR "the package does not depend on ${needed}: ${out}")
    endif()
endforeach()

set(root ${STAGE}/root)
run(dpkg --extract ${package} ${root})
file(GLOB_RECURSE installed RELATIVE ${root} ${root}/*)
list(SORT installed)
if(NOT installed STREQUAL
   "usr/bin/tarvolin-render;usr/lib/clap/Tarvolin.clap;usr/lib/tarvolin/TarvolinHeadless.so;usr/lib/vst/Tarvolin.so")
    message(FATAL_ERROR "the package holds ${installed}")
endif()

# Installed, the renderer plays the module beside it, not the one in the build tree.
run(${root}/usr/bin/tarvolin-render --help)
if(NOT out MATCHES "default ${root}/usr/lib/vst/Tarvolin.so")
    message(FATAL_ERROR "the installed renderer does not choose the installed module:\n${out}")
endif()
run(${root}/usr/bin/tarvolin-render --output ${STAGE}/demo.wav --editor-png ${STAGE}/editor.png)
if(NOT out MATCHES "peak -?[0-9]+ dBFS" OR NOT EXISTS ${STAGE}/editor.png)
    message(FATAL_ERROR "the installed renderer made no sound or no picture:\n${out}")
endif()
file(REMOVE_RECURSE ${STAGE})
