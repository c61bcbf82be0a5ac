# Install rules and the Debian package: both executables, the manual pages (generated with
# scdoc), bash completion, the desktop entry, the AppStream metainfo and the application icon
# (SVG, with PNG sizes rendered from it with rsvg-convert).
include(GNUInstallDirs)

install(TARGETS cartovex-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET cartovex)
    install(TARGETS cartovex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(TARGET cartovex-pdf)
    install(TARGETS cartovex-pdf LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/cartovex)
endif()

find_program(SCDOC_EXECUTABLE scdoc)
if(SCDOC_EXECUTABLE)
    set(man_pages)
    foreach(page cartovex-cli cartovex)
        set(source ${CMAKE_SOURCE_DIR}/doc/${page}.1.scd)
        set(output ${CMAKE_BINARY_DIR}/man/${page}.1)
        add_custom_command(OUTPUT ${output}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
            COMMAND sh -c "'${SCDOC_EXECUTABLE}' < '${source}' > '${output}'"
            DEPENDS ${source} VERBATIM)
        list(APPEND man_pages ${output})
    endforeach()
    add_custom_target(manpages ALL DEPENDS ${man_pages})
    install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
    message(STATUS "scdoc not found: the manual pages are not built")
endif()

install(FILES ${CMAKE_SOURCE_DIR}/data/completion/cartovex-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

if(TARGET cartovex)
    install(FILES ${CMAKE_SOURCE_DIR}/data/cartovex.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_SOURCE_DIR}/data/org.cartovex.Cartovex.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${CMAKE_SOURCE_DIR}/data/cartovex.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    find_program(RSVG_CONVERT_EXECUTABLE rsvg-convert)
    if(RSVG_CONVERT_EXECUTABLE)
        set(icons)
        foreach(size 16 32 48 64 128 256)
            set(output ${CMAKE_BINARY_DIR}/icons/${size}x${size}/cartovex.png)
            add_custom_command(OUTPUT ${output}
                COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
                COMMAND ${RSVG_CONVERT_EXECUTABLE} -w ${size} -h ${size}
                        ${CMAKE_SOURCE_DIR}/data/cartovex.svg -o ${output}
                DEPENDS ${CMAKE_SOURCE_DIR}/data/cartovex.svg VERBATIM)
            list(APPEND icons ${output})
            install(FILES ${output}
                    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
        endforeach()
        add_custom_target(icons ALL DEPENDS ${icons})
    else()
        message(STATUS "rsvg-convert not found: only the scalable icon is installed")
    endif()
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cartovex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Cartovex developers <cartovex@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Analyser for Daltrix file server configuration reports")
set(CPACK_PACKAGE_DESCRIPTION
    "Cartovex reads the configuration report of a Daltrix file server, checks its patches and
modules against a patch database and lists suggestions. It comes as a desktop program
(cartovex) and a command line (cartovex-cli).")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window and the PDF output load Qt's platform plugins at run time, and a download loads
# libcurl (libcurl.so.4), which shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libcurl4")
set(CPACK_STRIP_FILES ON)
include(CPack)
