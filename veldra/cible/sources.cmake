# The target dialogs: the control card and its port, the operative part,
# and the definition of a new operative part for each card.
target_sources(veldra_noyau PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/AvisCible.h
  ${CMAKE_CURRENT_LIST_DIR}/AvisCible.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ControlesCible.h
  ${CMAKE_CURRENT_LIST_DIR}/ControlesCible.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ListeCartes.h
  ${CMAKE_CURRENT_LIST_DIR}/ListeCartes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FichierParties.h
  ${CMAKE_CURRENT_LIST_DIR}/FichierParties.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RecordsParties.h
  ${CMAKE_CURRENT_LIST_DIR}/RecordsParties.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PortsCarte.h
  ${CMAKE_CURRENT_LIST_DIR}/PortsCarte.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TCarteC.h
  ${CMAKE_CURRENT_LIST_DIR}/TCarteC.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TConfigurer.h
  ${CMAKE_CURRENT_LIST_DIR}/TConfigurer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TPartOp.h
  ${CMAKE_CURRENT_LIST_DIR}/TPartOp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DefinitionPartie.h
  ${CMAKE_CURRENT_LIST_DIR}/DefinitionPartie.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TSimulOp.h
  ${CMAKE_CURRENT_LIST_DIR}/TSimulOp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TOrbanOp.h
  ${CMAKE_CURRENT_LIST_DIR}/TOrbanOp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TPuxOp.h
  ${CMAKE_CURRENT_LIST_DIR}/TPuxOp.cpp
)
