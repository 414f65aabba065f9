# SPDX-FileCopyrightText: 2026 The BelegAdressen developers
# SPDX-License-Identifier: MIT

# Every source file of ours includes Qt's widget and SQL headers; parsing them
# once per target instead of once per file halves a cold build.
option(BA_PRECOMPILE "Precompile the Qt headers of each target" ON)

function(ba_precompile target)
  if(NOT BA_PRECOMPILE)
    return()
  endif()
  target_precompile_headers(${target} PRIVATE
    <QtCore/QString> <QtCore/QStringList> <QtCore/QVariant> <QtCore/QHash>
    <QtCore/QDate> <QtCore/QPointer> <QtCore/QTimer>
    <QtGui/QKeyEvent> <QtGui/QFont>
    <QtWidgets/QWidget> <QtWidgets/QLineEdit> <QtWidgets/QLabel> <QtWidgets/QComboBox>
    <QtWidgets/QPushButton> <QtWidgets/QToolButton> <QtWidgets/QDialog>
    <QtWidgets/QTextEdit> <QtWidgets/QTableWidget> <QtWidgets/QApplication>
    <QtWidgets/QLayout>
    <QtSql/QSqlDatabase> <QtSql/QSqlQuery> <QtSql/QSqlRecord> <QtSql/QSqlError>
    <functional> <memory> <optional> <vector> ${ARGN})
endfunction()
