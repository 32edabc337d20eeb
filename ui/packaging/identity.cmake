# Identity of both programs; the internal and file names come from each program's target name.
set(VORLAN_PRODUCT_NAME "设置程序(简体)")
set(VORLAN_COMPANY_NAME "FREE")
set(VORLAN_FILE_VERSION "1.00")
set(VORLAN_PRODUCT_VERSION "1.00")
set(VORLAN_VERSION_NUMBERS "1,0,0,0")
set(VORLAN_LANGUAGE_ID "0804")  # Chinese (PRC)
set(VORLAN_CODE_PAGE "04B0")    # Unicode
