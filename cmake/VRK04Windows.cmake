# SPDX-License-Identifier: MIT
# Windows: icon and version resources for the programs, and what an installed
# copy needs beside them (Qt's DLLs and plugins, the MinGW runtime, Qt's own
# Czech texts). Works when cross-compiling, where Qt has no windeployqt.

# vrk04_windows_resources(TARGET DESCRIPTION): the icon and the version
# information of TARGET's .exe.
function(vrk04_windows_resources target description)
    set(VRK04_RC_TARGET ${target})
    set(VRK04_RC_FILE ${target}.exe)
    set(VRK04_RC_DESCRIPTION "${description}")
    set(VRK04_RC_ICON ${PROJECT_SOURCE_DIR}/packaging/windows/vrk04.ico)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/version.rc.in
                   ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
endfunction()

# vrk04_install_windows_runtime(TARGET): installs the libraries and plugins
# TARGET (the window, the larger of the two programs) and the tool need.
function(vrk04_install_windows_runtime target)
    if(NOT CMAKE_CROSSCOMPILING)
        find_program(VRK04_WINDEPLOYQT windeployqt HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
    endif()
    if(VRK04_WINDEPLOYQT)
        install(CODE "execute_process(COMMAND \"${VRK04_WINDEPLOYQT}\" --no-translations
            \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:${target}>\"
            COMMAND_ERROR_IS_FATAL ANY)")
    else()
        install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets Qt6::SerialPort
            RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
        install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsIntegrationPlugin
            LIBRARY DESTINATION ${CMAKE_INSTALL_BINDIR}/platforms)
        install(IMPORTED_RUNTIME_ARTIFACTS Qt6::QWindowsVistaStylePlugin
            LIBRARY DESTINATION ${CMAKE_INSTALL_BINDIR}/styles)
    endif()

    # The compiler's runtime: found by asking the compiler itself.
    if(MINGW)
        foreach(name libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll)
            execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
                OUTPUT_VARIABLE dll OUTPUT_STRIP_TRAILING_WHITESPACE)
            if(NOT IS_ABSOLUTE "${dll}" OR NOT EXISTS "${dll}")
                message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know ${name}")
            endif()
            install(FILES ${dll} DESTINATION ${CMAKE_INSTALL_BINDIR})
        endforeach()
    endif()

    # Qt's own texts (file dialogs, message-box buttons, the tool's usage
    # words) in Czech; the programs look in translations/ beside themselves.
    # The catalogue is the same on every platform, so the host's serves.
    find_file(VRK04_QTBASE_CS qtbase_cs.qm
        PATHS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}"
              "${QT_HOST_PATH}/share/qt6/translations"
        NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    if(NOT VRK04_QTBASE_CS)
        message(FATAL_ERROR "qtbase_cs.qm not found: install qt6-translations-l10n")
    endif()
    install(FILES ${VRK04_QTBASE_CS} DESTINATION ${CMAKE_INSTALL_BINDIR}/translations)
endfunction()
