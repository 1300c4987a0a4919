# Run at install time: bin/ gets a relative link to each program, so the programs are on a
# PATH that holds the prefix's bin/ while they still find their folder through the link.
set(bin "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
file(MAKE_DIRECTORY "${bin}")
foreach(program vendrel vendrel-cli vendrelsdk)
  file(RELATIVE_PATH target "${CMAKE_INSTALL_PREFIX}/bin"
       "${CMAKE_INSTALL_PREFIX}/${VENDREL_INSTALL_FOLDER}/${program}")
  file(CREATE_LINK "${target}" "${bin}/${program}" SYMBOLIC)
  message(STATUS "Installing: ${bin}/${program} -> ${target}")
endforeach()
