# Fuzz targets of the text and search layers.
taoci_add_fuzzer(result_page_scan_fuzz SOURCE result_page_scan_fuzz.cpp LIBS taoci_search)
taoci_add_fuzzer(text_search_fuzz SOURCE text_search_fuzz.cpp LIBS taoci_text)
