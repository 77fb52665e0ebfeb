# The diagram document and its minimal document base.
