# The diagram view, its drawing surface, trackers and selection frame.
target_sources(veldra_noyau PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/veldraWindowView.h
  ${CMAKE_CURRENT_LIST_DIR}/veldraWindowView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SurfaceQt.h
  ${CMAKE_CURRENT_LIST_DIR}/SurfaceQt.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Select.h
  ${CMAKE_CURRENT_LIST_DIR}/Select.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CadreSelection.h
  ${CMAKE_CURRENT_LIST_DIR}/CadreSelection.cpp
)
