# The download engine's test FTP server (ftpserver.py on 127.0.0.1) and the helper that starts it.
target_sources(test_gui_download PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/core/download/ftptestserver.cpp)
target_include_directories(test_gui_download PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/core/download)
