# Packages made by CPack from what a build installs: a Debian package of the
# Linux module and the renderer, a zip of the DLL for each Windows target.
set(CPACK_PACKAGE_NAME Tarvolin)
set(CPACK_PACKAGE_VENDOR Halbrook)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "monophonic virtual-analog synthesizer plug-in")
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_THREADS 0)
# Users get the code without the debugging information the builds keep.
set(CPACK_STRIP_FILES ON)

if(WIN32)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(TARVOLIN_WINDOWS_BITS 64)
        set(TARVOLIN_WINDOWS_PROGRAMS "C:\\Program Files")
        set(TARVOLIN_WINDOWS_NOTE "A 32-bit host needs the 32-bit Tarvolin.dll instead.")
        set(TARVOLIN_WINDOWS_CLAP "
For hosts that load CLAP plug-ins (Bitwig, REAPER, FL Studio and others),
copy Tarvolin.clap, the same instrument, into

    C:\\Program Files\\Common Files\\CLAP
")
    else()
        set(TARVOLIN_WINDOWS_BITS 32)
        set(TARVOLIN_WINDOWS_PROGRAMS "C:\\Program Files (x86)")
        set(TARVOLIN_WINDOWS_NOTE "These are the folders of 32-bit hosts on 64-bit Windows (on 32-bit Windows:
C:\\Program Files). A 64-bit host needs the 64-bit Tarvolin.dll instead.")
    endif()
    configure_file(${PROJECT_SOURCE_DIR}/resources/packaging/Windows-Install.txt.in
                   ${PROJECT_BINARY_DIR}/Install.txt @ONLY NEWLINE_STYLE CRLF)
    install(FILES ${PROJECT_BINARY_DIR}/Install.txt DESTINATION .)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME Tarvolin-${PROJECT_VERSION}-win${TARVOLIN_WINDOWS_BITS})
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_PACKAGE_NAME tarvolin)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER Halbrook)
    set(CPACK_DEBIAN_PACKAGE_SECTION sound)
    # dpkg-shlibdeps names the libraries' packages: Xlib for the editor, the
    # sound file, picture and font libraries for the renderer.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "monophonic virtual-analog synthesizer plug-in
 Tarvolin is a VST 2 and CLAP instrument for Linux hosts (installed in
 /usr/lib/vst and /usr/lib/clap):
 two oscillators with cross modulation, noise, a resonant four-stage filter,
 three envelopes, two LFOs and portamento, with its own editor. The package
 also carries tarvolin-render, which plays MIDI files through it into WAV files.")
endif()

# Packaging installs what the build made; it does not build the test programs.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
include(CPack)
