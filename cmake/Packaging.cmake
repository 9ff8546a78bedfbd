# The Debian package. `cmake --build BUILD --target package` makes
# quorle_<version>_amd64.deb from the install rules, installed under /usr, with
# its Depends worked out by dpkg-shlibdeps from the libraries the program links,
# and the reports' font.
# Besides the program and its shipped files it holds the manual page, the
# copyright file and the changelog, compressed as Debian keeps them.

set(QUORLE_PACKAGE_MAINTAINER "Quorle Developers <developers@quorle.example>"
    CACHE STRING "The Debian package's maintainer, as Name <address>")

set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(package_files ${CMAKE_BINARY_DIR}/package-files)
file(MAKE_DIRECTORY ${package_files})

# gzip -9n: the best compression and no name or time stamp in the header, so
# the same sources make the same files.
find_program(QUORLE_GZIP gzip REQUIRED)
function(quorle_gzip source target)
  execute_process(COMMAND ${QUORLE_GZIP} -9nc ${source}
    OUTPUT_FILE ${target} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "Could not compress ${source}")
  endif()
endfunction()

configure_file(${packaging_dir}/changelog.in ${package_files}/changelog @ONLY)
quorle_gzip(${package_files}/changelog ${package_files}/changelog.gz)
quorle_gzip(${packaging_dir}/quorle.1 ${package_files}/quorle.1.gz)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${packaging_dir}/quorle.1)

install(FILES ${package_files}/quorle.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${packaging_dir}/copyright ${package_files}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/quorle)

# The packaged program and its windowed module resolve their libraries when
# loaded, so the table they jump through can be read-only from then on.
foreach(target quorle quorle_windowed)
  if(TARGET ${target})
    target_link_options(${target} PRIVATE LINKER:-z,relro,-z,now)
  endif()
endforeach()

# Stripped for installing, the program and its module also lose the
# compiler's notes, which nothing reads.
if(TARGET quorle AND CMAKE_STRIP)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      foreach(file ${CMAKE_INSTALL_BINDIR}/quorle ${CMAKE_INSTALL_LIBDIR}/quorle/qt/quorle-qt.so)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
          \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${file}\")
      endforeach()
    endif()")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorle)
set(CPACK_PACKAGE_VENDOR "The Quorle developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${QUORLE_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Only the binary package: no source archives.
set(CPACK_SOURCE_GENERATOR "")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUORLE_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Besides the libraries: the font the reports are laid out in (Liberation
# Mono, metric-compatible with Courier), which a bare system may lack.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[gradebook for classroom teachers
Quorle keeps a class's grades for one grading period in a class file: the
course, the grading system (points or weighted percentages, letter limits
with or without plus and minus), the roster and every grade, sorted into
tests, quizzes, homework, labs and two categories the teacher names.
From them it computes each student's averages, points, overall average and
letter grade, ranks the class, and prints grades reports, progress reports,
warning notices, makeup lists, grade and attendance sheets, seating charts
and assignment grids.
.
The quorle command also shows, prints and exports classes without a
display.]])

include(CPack)
