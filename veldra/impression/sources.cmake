# Printing and print preview.
target_sources(veldra_noyau PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Imprimable.h
  ${CMAKE_CURRENT_LIST_DIR}/Imprimable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/APXPrintOut.h
  ${CMAKE_CURRENT_LIST_DIR}/APXPrintOut.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ServicesImpression.h
  ${CMAKE_CURRENT_LIST_DIR}/ServicesImpression.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PreviewWindow.h
  ${CMAKE_CURRENT_LIST_DIR}/PreviewWindow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/VerificationImprimante.h
  ${CMAKE_CURRENT_LIST_DIR}/VerificationImprimante.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextesImpression.h
)
