// Keeps a library target valid before any of its folders adds a file.
