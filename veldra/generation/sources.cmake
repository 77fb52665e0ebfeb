# The generation command, its dialog and the launch of the run window.
target_sources(veldra_noyau PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BGene.h ${CMAKE_CURRENT_LIST_DIR}/BGene.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CommandeGeneration.h ${CMAKE_CURRENT_LIST_DIR}/CommandeGeneration.cpp
)
# The run commands open the run window of seqrun.
target_link_libraries(veldra_noyau PUBLIC seqrun)
