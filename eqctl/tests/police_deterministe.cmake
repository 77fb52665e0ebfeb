# Builds the symbol font twice from the same inputs, in two processes (so
# with two different Python hash seeds), and fails unless the files match
# byte for byte.
foreach(v PYTHON SCRIPT BASE LICENCE DOSSIER)
  if(NOT ${v})
    message(FATAL_ERROR "police_deterministe.cmake: ${v} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE ${DOSSIER})
foreach(passe 1 2)
  execute_process(
    COMMAND ${PYTHON} ${SCRIPT} --base ${BASE} --licence ${LICENCE} --sortie ${DOSSIER}/${passe}
    RESULT_VARIABLE resultat)
  if(NOT resultat EQUAL 0)
    message(FATAL_ERROR "the font script failed (${resultat})")
  endif()
endforeach()

foreach(fichier VELDRA.ttf NorimFont.ttf NorimFonts.ttf)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E compare_files ${DOSSIER}/1/${fichier} ${DOSSIER}/2/${fichier}
    RESULT_VARIABLE resultat)
  if(NOT resultat EQUAL 0)
    message(FATAL_ERROR "${fichier} differs between two builds")
  endif()
endforeach()
file(REMOVE_RECURSE ${DOSSIER})
