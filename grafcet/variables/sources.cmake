# Variables and components of the operative part.
target_sources(grafcet PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/composant.h
  ${CMAKE_CURRENT_LIST_DIR}/Composant.h ${CMAKE_CURRENT_LIST_DIR}/Composant.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Variable.h ${CMAKE_CURRENT_LIST_DIR}/Variable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Constante.h ${CMAKE_CURRENT_LIST_DIR}/Constante.cpp
  ${CMAKE_CURRENT_LIST_DIR}/transfert.h
  ${CMAKE_CURRENT_LIST_DIR}/ListV.h ${CMAKE_CURRENT_LIST_DIR}/ListV.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProfilPrive.h ${CMAKE_CURRENT_LIST_DIR}/ProfilPrive.cpp
)
