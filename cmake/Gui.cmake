# The Qt layer: views, dialogs, main window, printing, and the editor itself.
find_package(Qt6 REQUIRED COMPONENTS Widgets PrintSupport)
set(CMAKE_AUTOMOC ON)
set(CMAKE_AUTORCC ON)

file(GLOB VELMORA_GUI_SOURCES CONFIGURE_DEPENDS
  app/*.cpp app/*.h app/*.qrc
  database/qt/*.cpp database/qt/*.h
  satellites/qt/*.cpp satellites/qt/*.h
  channels/qt/*.cpp channels/qt/*.h
  settings/qt/*.cpp settings/qt/*.h
  import/qt/*.cpp import/qt/*.h
  compare/qt/*.cpp compare/qt/*.h
  health/qt/*.cpp health/qt/*.h
  printing/qt/*.cpp printing/qt/*.h
  exchange/qt/*.cpp exchange/qt/*.h
  satxml/qt/*.cpp satxml/qt/*.h)
list(FILTER VELMORA_GUI_SOURCES EXCLUDE REGEX "app/main\\.cpp$")
add_library(velmora_gui STATIC ${VELMORA_GUI_SOURCES})
target_link_libraries(velmora_gui PUBLIC velmora_core Qt6::Widgets Qt6::PrintSupport)

add_executable(velmora app/main.cpp)
target_link_libraries(velmora PRIVATE velmora_gui velmora_version)
install(TARGETS velmora RUNTIME DESTINATION bin)

# Desktop integration: a menu entry with the icon, and *.sdx files opening in the editor.
include(GNUInstallDirs)
install(FILES packaging/velmora.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/velmora-sdx.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES packaging/velmora.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# What software centres show: description, screenshots, the file type it opens.
configure_file(packaging/io.github.velmora.Velmora.metainfo.xml
               ${CMAKE_CURRENT_BINARY_DIR}/io.github.velmora.Velmora.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/io.github.velmora.Velmora.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 128)
  install(FILES packaging/velmora-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME velmora.png)
endforeach()
# Refresh the desktop's caches when installing for real (packagers run these themselves).
install(CODE [[
  if(NOT DEFINED ENV{DESTDIR} OR "$ENV{DESTDIR}" STREQUAL "")
    find_program(VELMORA_UPDATE_MIME update-mime-database)
    find_program(VELMORA_UPDATE_DESKTOP update-desktop-database)
    if(VELMORA_UPDATE_MIME)
      execute_process(COMMAND ${VELMORA_UPDATE_MIME} "${CMAKE_INSTALL_PREFIX}/share/mime")
    endif()
    if(VELMORA_UPDATE_DESKTOP)
      execute_process(COMMAND ${VELMORA_UPDATE_DESKTOP} "${CMAKE_INSTALL_PREFIX}/share/applications")
    endif()
  endif()
]])

# The editor's catalogues (translations/*.ts), compiled at build time and built into the
# program under :/i18n. tools/update-translations.sh brings them up to date with the sources.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)
set(VELMORA_LANGUAGES de fr it es nl pl tr)
set(VELMORA_TS_FILES)
foreach(language ${VELMORA_LANGUAGES})
  list(APPEND VELMORA_TS_FILES ${PROJECT_SOURCE_DIR}/translations/velmora_${language}.ts)
endforeach()
qt_add_lrelease(velmora_gui TS_FILES ${VELMORA_TS_FILES} QM_FILES_OUTPUT_VARIABLE VELMORA_QM_FILES)
qt_add_resources(velmora_gui velmora_translations PREFIX /i18n BASE ${CMAKE_CURRENT_BINARY_DIR}
                 FILES ${VELMORA_QM_FILES})
