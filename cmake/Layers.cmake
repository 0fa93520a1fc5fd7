# The engine, one library per folder, and the session above it. Each library sees only its own
# folder and those of the libraries it links: its include directory holds one link, named after
# the folder, so an include of a folder above it is not found and the build stops there.
#
#   core <- state, local, users <- ledger <- print <- app <- ui
function(orvane_layer folder)
  cmake_parse_arguments(LAYER "" "" "SOURCES;LINKS" ${ARGN})
  set(view ${CMAKE_BINARY_DIR}/layers/${folder})
  file(MAKE_DIRECTORY ${view})
  file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${folder} ${view}/${folder} SYMBOLIC)
  if(LAYER_SOURCES)
    list(TRANSFORM LAYER_SOURCES PREPEND ${CMAKE_SOURCE_DIR}/src/${folder}/)
    add_library(orvane_${folder} STATIC ${LAYER_SOURCES})
    target_include_directories(orvane_${folder} PUBLIC ${view})
    target_link_libraries(orvane_${folder} PUBLIC ${LAYER_LINKS})
  endif()
endfunction()

orvane_layer(core SOURCES
  bracket_table.cpp calculation.cpp date.cpp federal_tables.cpp federal_withholding.cpp file_io.cpp file_set_save.cpp
  form1.cpp form2.cpp frm_tax_info.cpp general_format.cpp money.cpp overtime_table.cpp profile_completion.cpp
  payroll_taxes.cpp profile_files.cpp record_text_format.cpp text_encoding.cpp file_backups.cpp)

orvane_layer(state LINKS orvane_core SOURCES
  dialog_state.cpp state_computations.cpp state_registry.cpp state_tax_settings.cpp)

orvane_layer(local LINKS orvane_core SOURCES
  city_tax.cpp dialog_city.cpp dialog_non_city.cpp local_files.cpp)

orvane_layer(users LINKS orvane_core SOURCES
  company_header.cpp dialog_vac.cpp frm_date.cpp leave_balances.cpp pay_period_file.cpp
  user_file_set.cpp user_lock.cpp)

orvane_layer(ledger LINKS orvane_state orvane_local orvane_users SOURCES
  frm_year.cpp ytd_export.cpp ytd_ledger.cpp)
# The ledger's spreadsheet export writes .xlsx workbooks.
find_package(PkgConfig REQUIRED)
pkg_check_modules(XLSXWRITER REQUIRED IMPORTED_TARGET xlsxwriter)
target_link_libraries(orvane_ledger PRIVATE PkgConfig::XLSXWRITER)

orvane_layer(print LINKS orvane_ledger SOURCES
  amount_words.cpp check_layout.cpp dlg_print_set.cpp frm_checks.cpp pay_stub.cpp print_document.cpp
  text_page.cpp ytd_print.cpp)

# The session: lifetimes of the forms, the flows that cross windows, the person-facing interfaces.
orvane_layer(app LINKS orvane_print SOURCES
  headless_person.cpp result_labels.cpp session.cpp session_ledger.cpp session_local.cpp
  session_locks.cpp session_print.cpp session_print_commands.cpp session_saved.cpp
  session_settings_files.cpp session_state.cpp session_users.cpp shipped_tables.cpp window_registry.cpp
  session_backups.cpp)

# The views' folder: its libraries are made with Qt beside the programs.
orvane_layer(ui)
