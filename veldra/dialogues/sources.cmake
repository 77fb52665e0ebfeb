# The element dialogs.
target_sources(veldra_noyau PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Dialogues.h
  ${CMAKE_CURRENT_LIST_DIR}/DialogueElement.h
  ${CMAKE_CURRENT_LIST_DIR}/DialogueElement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Editeurs.h
  ${CMAKE_CURRENT_LIST_DIR}/Editeurs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ImagesCodes.h
  ${CMAKE_CURRENT_LIST_DIR}/ImagesCodes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TNum.h
  ${CMAKE_CURRENT_LIST_DIR}/TNum.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TEquation.h
  ${CMAKE_CURRENT_LIST_DIR}/TEquation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TEAction.h
  ${CMAKE_CURRENT_LIST_DIR}/TEAction.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TAction.h
  ${CMAKE_CURRENT_LIST_DIR}/TAction.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TListac.h
  ${CMAKE_CURRENT_LIST_DIR}/TListac.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DialogueCommentaire.h
  ${CMAKE_CURRENT_LIST_DIR}/DialogueCommentaire.cpp
)
