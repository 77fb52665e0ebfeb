# Tests of the diagram document.
