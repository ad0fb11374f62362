// The rules pages are Qt resources attached to the kovra_rules_pages library;
// the library has no code of its own, and a library needs a source file.
