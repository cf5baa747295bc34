# cmake -DBUILD=DIR -DOUT=DIR -P CheckInstall.cmake: installs the build into OUT through DESTDIR and
# checks that the desktop finds the editor, the file types it opens and its icon, and that the catalogs,
# the installed macros and the guide go with them.
file(REMOVE_RECURSE "${OUT}")
set(ENV{DESTDIR} "${OUT}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix /usr RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "cmake --install failed")
endif()
foreach(file bin/voltrane bin/voltrane-sim share/applications/voltrane.desktop share/mime/packages/voltrane.xml
             share/icons/hicolor/256x256/apps/voltrane.png share/locale/ja/LC_MESSAGES/voltrane.mo
             share/locale/en/LC_MESSAGES/voltrane.mo share/voltrane/macros/HalfAdder.lgm
             share/voltrane/guide/en/getting-started.md share/voltrane/guide/ja/images/guide-wired.png)
  if(NOT EXISTS "${OUT}/usr/${file}")
    message(FATAL_ERROR "${file} was not installed")
  endif()
endforeach()
file(READ "${OUT}/usr/share/icons/hicolor/256x256/apps/voltrane.png" png HEX LIMIT 8)
if(NOT png STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "the icon is no PNG")
endif()
file(STRINGS "${OUT}/usr/share/applications/voltrane.desktop" exec REGEX "^Exec=")
file(STRINGS "${OUT}/usr/share/applications/voltrane.desktop" types REGEX "^MimeType=")
file(READ "${OUT}/usr/share/mime/packages/voltrane.xml" mime)
if(NOT exec STREQUAL "Exec=voltrane %f")
  message(FATAL_ERROR "the entry does not pass the file to the editor: ${exec}")
endif()
foreach(type application/x-voltrane-circuit application/x-voltrane-macro)
  if(NOT types MATCHES "${type}" OR NOT mime MATCHES "type=\"${type}\"")
    message(FATAL_ERROR "${type} is not both declared and opened")
  endif()
endforeach()
file(REMOVE_RECURSE "${OUT}")
