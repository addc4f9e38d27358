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
  import/qt/*.cpp import/qt/*.h)
list(FILTER VELMORA_GUI_SOURCES EXCLUDE REGEX "app/main\\.cpp$")
# A checkout may not hold the Qt layer yet; the core, the CLI and their tests still build.
if(VELMORA_GUI_SOURCES)
  add_library(velmora_gui STATIC ${VELMORA_GUI_SOURCES})
  target_link_libraries(velmora_gui PUBLIC velmora_core Qt6::Widgets Qt6::PrintSupport)
endif()

if(TARGET velmora_gui AND EXISTS ${PROJECT_SOURCE_DIR}/app/main.cpp)
  add_executable(velmora app/main.cpp)
  target_link_libraries(velmora PRIVATE velmora_gui)
  install(TARGETS velmora RUNTIME DESTINATION bin)
endif()
