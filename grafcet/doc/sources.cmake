# The diagram document and its minimal document base.
target_sources(grafcet PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/TGrafDoc.h ${CMAKE_CURRENT_LIST_DIR}/TGrafDoc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../platform/TDocument.h
  ${CMAKE_CURRENT_LIST_DIR}/../platform/TDocument.cpp
)
