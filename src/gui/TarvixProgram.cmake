# The program: the Qt shell over the core, its entry point, and what `cmake --install` puts on a
# desktop (the program, its libraries, the launcher and the project file type).
target_link_libraries(tarvix_gui PUBLIC tarvix_app tarvix_profileview tarvix_sitemap tarvix_document huelisk)

add_executable(tarvix ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
target_compile_options(tarvix PRIVATE ${TARVIX_WARNINGS})
target_link_libraries(tarvix PRIVATE tarvix_gui)
tarvix_qt_definitions(tarvix)
include(GNUInstallDirs)
set_target_properties(tarvix PROPERTIES INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")

install(TARGETS tarvix RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The libraries are defined after this folder: their rule waits for the end of the configuration.
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL
               install TARGETS huelisk sievex32 LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${PROJECT_SOURCE_DIR}/desktop/tarvix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/desktop/tarvix-project.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/tarvix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/tarvix.svg RENAME application-x-tarvix-project.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/mimetypes)

# The window tests open the demo survey, which they write with the survey generator.
function(tarvix_gui_tests_use_demo_survey)
  if(TARGET gui_tests)
    target_link_libraries(gui_tests PRIVATE tarvix_demosurvey)
  endif()
endfunction()
cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL tarvix_gui_tests_use_demo_survey)
