# The fuzz targets, fuzz/fuzz_<name>.cpp, and the libraries whose parser each
# drives. Read by fuzz/ (the libFuzzer builds) and by tests/ (the replay of
# each corpus, fuzz/corpus/<name>/, with the ordinary compiler).
set(TDR_FUZZ_TARGETS catalogue merge piping settings sitefile)
set(TDR_FUZZ_LIBS_catalogue catalogue)
set(TDR_FUZZ_LIBS_merge catalogue)
set(TDR_FUZZ_LIBS_piping catalogue)
set(TDR_FUZZ_LIBS_settings mainwindow)
set(TDR_FUZZ_LIBS_sitefile sitefiles)
