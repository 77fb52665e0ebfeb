# The editing tools of the diagram view.
target_sources(veldra_noyau PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Edition.h
  ${CMAKE_CURRENT_LIST_DIR}/Edition.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ModeCreation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ModeSelection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ModeTexte.cpp
)
