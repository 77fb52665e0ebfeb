# The target and diagram nomenclatures: their document, views and dialog.
target_sources(veldra_noyau PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Rubriques.h
  ${CMAKE_CURRENT_LIST_DIR}/Rubriques.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Dessin.h
  ${CMAKE_CURRENT_LIST_DIR}/Dessin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FenetreNomenclature.h
  ${CMAKE_CURRENT_LIST_DIR}/FenetreNomenclature.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TNomDoc.h
  ${CMAKE_CURRENT_LIST_DIR}/TNomDoc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TNomView.h
  ${CMAKE_CURRENT_LIST_DIR}/TNomView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TNomGraf.h
  ${CMAKE_CURRENT_LIST_DIR}/TNomGraf.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TComposant.h
  ${CMAKE_CURRENT_LIST_DIR}/TComposant.cpp
)
