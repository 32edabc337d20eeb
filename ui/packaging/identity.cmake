# Identity of both programs; the internal and file names come from each program's target name.
set(VORLAN_PRODUCT_NAME "设置程序(简体)")
set(VORLAN_COMPANY_NAME "FREE")
# The versions follow the one version number of the project (CMakeLists.txt): 1.0.0 is "1.00" and
# 1,0,0,0.
set(VORLAN_FILE_VERSION "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}${PROJECT_VERSION_PATCH}")
set(VORLAN_PRODUCT_VERSION "${VORLAN_FILE_VERSION}")
set(VORLAN_VERSION_NUMBERS
    "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0")
set(VORLAN_LANGUAGE_ID "0804")  # Chinese (PRC)
set(VORLAN_CODE_PAGE "04B0")    # Unicode
