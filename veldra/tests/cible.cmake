# Tests of the target dialogs and of their operative-part file changes.
veldra_gui_test(test_cible test_cible.cpp)
