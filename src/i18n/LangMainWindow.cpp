#include "LangMainWindow.h"

// The main window's captions, hints, messages and the dialog element labels that every
// other window copies from it.
TsiLang MakeMainWindowTable() {
    TsiLang t("TfrmVRXLink");
    t.Add(TLangKind::Caption, "TfrmVRXLink", "VRX Link", "Acoplamiento de VRX ");
    t.Add(TLangKind::Caption, "actDownload", "Download", "Transferencia directa");
    t.Add(TLangKind::Caption, "actOpen", "Open Job", "Abra el trabajo");
    t.Add(TLangKind::Caption, "actSetup", "Setup", "Disposición");
    t.Add(TLangKind::Caption, "actHelp", "Help", "Ayuda");
    t.Add(TLangKind::Caption, "actBattery", "Set Battery", "Fije la Batería");
    t.Add(TLangKind::Caption, "actRun", "Set Up Run", "Configurar Ejecutar");
    t.Add(TLangKind::Hint, "AdvOfficeStatusBar1", "Click for About", "Tecleo para alrededor");
    t.Add(TLangKind::OtherString, "siOpenDialog1.Filter", "Vela Job Files (*.VLA)|*.VLA",
          "Archivos de trabajo de Vela (*.VLA)|*.VLA");
    t.Add(TLangKind::OtherString, "siOpenDialog1.Title", "Select Vela Job File To Load",
          "Seleccione el archivo de trabajo para cargar de Vela");
    t.Add(TLangKind::Message, "rsDownloadInfo",
          "<U><B>Download</B></U><BR>Connect to the Vela unit using the configured communications "
          "port and retrieve the data from the last run.",
          "<U><B>Transferencia directa</B></U><BR>Conecte con la unidad de Vela usando el puerto "
          "de comunicaciones configurado y recupere los datos del funcionamiento pasado.");
    t.Add(TLangKind::Message, "rsOpenInfo",
          "<U><B>Open Data File</B></U><BR>Select and open a previously saved data file for "
          "viewing, printing, or editing.",
          "<U><B>Abra el fichero de datos</B></U><BR>Seleccione y abra un fichero previamente "
          "salvado de datos para la visión, la impresión, o corregir.");
    t.Add(TLangKind::Message, "rsSetupInfo",
          "<U><B>Setup/Configuration</B></U><BR>Define data file naming convention, set default "
          "data values, select communications port and language setting.",
          "<U><B>Disposición/Configuración</B></U><BR>Defina a la convención de nombramiento del "
          "fichero de datos, fije los valores de datos del defecto, el puerto de comunicaciones "
          "selecto y el ajuste de la lengua.");
    t.Add(TLangKind::Message, "rsHelpInfo",
          "<U><B>Help</B></U><BR>Detailed help and explainations.",
          "<U><B>Ayuda</B></U><BR>Ayuda y explainations detallados.");
    t.Add(TLangKind::Message, "rsRunInfo",
          "<U><B>Set Up Run</B></U><BR>Set the start time, duration, and flow rate for a run.",
          "<U><B>Configurar Ejecutar</B></U><BR>Fije la hora de salida, la duración, y el flujo "
          "para un funcionamiento.");
    t.Add(TLangKind::Message, "rsBatteryInfo",
          "<U><B>Battery Setup</B></U><BR>Set the type of battery the unit is using.",
          "<U><B>Disposición de la batería</B></U><BR>Fije el tipo de batería que la unidad está "
          "utilizando.");
    t.Add(TLangKind::Message, "rsCloseInfo", "<U><B>Close</B></U><BR>Close and Exit program.",
          "<U><B>Cierre</B></U><BR>Programa del cierre y de la salida.");
    t.Add(TLangKind::Message, "dlgError", "ERROR", "ERROR");
    t.Add(TLangKind::Message, "dlgInvComM", "Invalid Com Port!", "Puerto COM no válido!");
    t.Add(
        TLangKind::Message, "dlgInvComC",
        "The Com Port currently configured is not valid.<BR>Select a valid Com Port and try again.",
        "El puerto de COM configurado actualmente es inválido.<BR>Seleccione un puerto válido de "
        "COM e intente otra vez.");
    t.Add(TLangKind::Message, "dlgInvComH",
          "You can configure the Com Port by using the Setup/Configuration function.",
          "Usted puede configurar COM vira hacia el lado de babor usando la función de la "
          "disposición/de la configuración.");
    t.Add(TLangKind::Message, "dlgNoComM", "Com Port Not Selected!",
          "¡Puerto de COM no seleccionado!");
    t.Add(TLangKind::Message, "dlgNoComC",
          "A Com Port has not been configured.<BR>Select a Com Port and try again.",
          "Un puerto de COM no se ha configurado.<BR>Seleccione un puerto de COM e intente otra "
          "vez.");
    t.Add(TLangKind::Message, "dlgNoComH",
          "You can configure the Com Port by using the Setup/Configuration function.",
          "Usted puede configurar COM vira hacia el lado de babor usando la función de la "
          "disposición/de la configuración.");
    t.Add(TLangKind::Message, "dlgNoRespM", "Device did not respond!",
          "¡El dispositivo no respondió!");
    t.Add(TLangKind::Message, "dlgNoRespC",
          "No respone was received from the device.<BR>Check that the device is connected to the "
          "Com Port<BR>selected in the Setup/Configuration section and try again.",
          "Respone no se recibió desde el dispositivo.<BR>Compruebe que el dispositivo está "
          "conectado al puerto COM<BR>seleccionado en el programa de instalación/configuración de "
          "la sección y vuelva a intentarlo.");
    t.Add(TLangKind::Message, "dlgNoRespH",
          "You can configure the Com Port by using the Setup/Configuration function.",
          "Usted puede configurar COM vira hacia el lado de babor usando la función de la "
          "disposición/de la configuración.");
    t.Add(TLangKind::Message, "dlgInvRespM", "Invalid Response from Device!",
          "Invalid Response from Device!");
    t.Add(TLangKind::Message, "dlgInvRespC",
          "A response was received but it was invalid.<BR>Check that the device is connected to "
          "the Com Port<BR>selected in the Setup/Configuration section and try again.",
          "Una respuesta fue recibida pero era inválida.<BR>Compruebe que el dispositivo está "
          "conectado con el puerto de COM seleccionado<BR>en sección para fijar/de configuración y "
          "para intentar otra vez.");
    t.Add(TLangKind::Message, "dlgInvRespH",
          "You can configure the Com Port by using the Setup/Configuration function.",
          "Usted puede configurar COM vira hacia el lado de babor usando la función de la "
          "disposición/de la configuración.");
    t.Add(TLangKind::DialogCaption, "Warning", "Warning", "Advertencia");
    t.Add(TLangKind::DialogCaption, "Yes", "&Yes", "&Sí");
    t.Add(TLangKind::DialogCaption, "No", "&No", "&No");
    t.Add(TLangKind::DialogCaption, "Cancel", "Cancel", "Cancelación");
    t.Add(TLangKind::DialogCaption, "Open", "&Open", "&Abierto");
    t.Add(TLangKind::DialogCaption, "Look in:", "Look &in:", "Mire &en:");
    t.Add(TLangKind::DialogCaption, "File name:", "File &name:", "Nombre de &fichero:");
    t.Add(TLangKind::DialogCaption, "Files of type:", "Files of &type:", "Archivos del &tipo:");
    t.Add(TLangKind::DialogCaption, "Drives:", "&Drives:", "Accionamientos:");
    t.Add(TLangKind::DialogCaption, "Printer", "Printer", "Impresora");
    t.Add(TLangKind::DialogCaption, "Name:", "&Name:", "&Nombre:");
    t.Add(TLangKind::DialogCaption, "Properties", "&Properties", "&Características");
    t.Add(TLangKind::DialogCaption, "Status:", "Status:", "Estado:");
    t.Add(TLangKind::DialogCaption, "Type:", "Type:", "Tipo:");
    t.Add(TLangKind::DialogCaption, "Where:", "Where:", "Donde:");
    t.Add(TLangKind::DialogCaption, "Comment:", "Comment:", "Comentario:");
    t.Add(TLangKind::DialogCaption, "Paper", "Paper", "Papel");
    t.Add(TLangKind::DialogCaption, "Source:", "&Source:", "&Fuente:");
    t.Add(TLangKind::DialogCaption, "Orientation", "Orientation", "Orientación");
    t.Add(TLangKind::DialogCaption, "Portrait", "P&ortrait", "Retrat&o");
    t.Add(TLangKind::DialogCaption, "Landscape", "L&andscape", "P&aisaje");
    t.Add(TLangKind::DialogCaption, "Print to file", "Print to f&ile", "Impresión a arch&ivar");
    t.Add(TLangKind::DialogCaption, "Print", "Print", "Impresión");
    t.Add(TLangKind::DialogCaption, "Pages", "Pa&ges", "Pá&ginas");
    t.Add(TLangKind::DialogCaption, "Selection", "&Selection", "&Selección");
    t.Add(TLangKind::DialogCaption, "from:", "&from:", "&de:");
    t.Add(TLangKind::DialogCaption, "to:", "&to:", "&para:");
    t.Add(TLangKind::DialogCaption, "Copies", "Copies", "Copias");
    t.Add(TLangKind::DialogCaption,
          "Number of copies:", "Number of &copies:", "Número de &copias:");
    t.Add(TLangKind::DialogCaption, "Collate", "C&ollate", "C&ompagine");
    t.Add(TLangKind::DialogCaption, "Print Setup", "Print Setup", "Disposición de Impresión");
    t.Add(TLangKind::DialogCaption, "Error", "Error");
    t.Add(TLangKind::DialogCaption, "Information", "Information");
    t.Add(TLangKind::DialogCaption, "Confirm", "Confirm");
    t.Add(TLangKind::DialogCaption, "OK", "OK");
    t.Add(TLangKind::DialogCaption, "Abort", "Abort");
    t.Add(TLangKind::DialogCaption, "Retry", "Retry");
    t.Add(TLangKind::DialogCaption, "Ignore", "Ignore");
    t.Add(TLangKind::DialogCaption, "All", "All");
    t.Add(TLangKind::DialogCaption, "No To All", "No To All");
    t.Add(TLangKind::DialogCaption, "Yes To All", "Yes To All");
    t.Add(TLangKind::DialogCaption, "Help", "Help");
    t.Add(TLangKind::DialogCaption, "Read-only", "Read-only");
    t.Add(TLangKind::DialogCaption, "Save", "Save");
    t.Add(TLangKind::DialogCaption, "Save in:", "Save in:");
    t.Add(TLangKind::DialogCaption, "Save as type:", "Save as type:");
    t.Add(TLangKind::DialogCaption, "Basic colors:", "Basic colors:");
    t.Add(TLangKind::DialogCaption, "Custom colors:", "Custom colors:");
    t.Add(TLangKind::DialogCaption, "Define Custom Colors >>", "Define Custom Colors >>");
    t.Add(TLangKind::DialogCaption, "Color", "Color");
    t.Add(TLangKind::DialogCaption, "|Solid", "|Solid");
    t.Add(TLangKind::DialogCaption, "Hue:", "Hue:");
    t.Add(TLangKind::DialogCaption, "Sat:", "Sat:");
    t.Add(TLangKind::DialogCaption, "Lum:", "Lum:");
    t.Add(TLangKind::DialogCaption, "Red:", "Red:");
    t.Add(TLangKind::DialogCaption, "Green:", "Green:");
    t.Add(TLangKind::DialogCaption, "Blue:", "Blue:");
    t.Add(TLangKind::DialogCaption, "Add to Custom Colors", "Add to Custom Colors");
    t.Add(TLangKind::DialogCaption, "Font:", "Font:");
    t.Add(TLangKind::DialogCaption, "Font style:", "Font style:");
    t.Add(TLangKind::DialogCaption, "Size:", "Size:");
    t.Add(TLangKind::DialogCaption, "Color:", "Color:");
    t.Add(TLangKind::DialogCaption, "Apply", "Apply");
    t.Add(TLangKind::DialogCaption, "Effects", "Effects");
    t.Add(TLangKind::DialogCaption, "Strikeout", "Strikeout");
    t.Add(TLangKind::DialogCaption, "Underline", "Underline");
    t.Add(TLangKind::DialogCaption, "Sample", "Sample");
    t.Add(TLangKind::DialogCaption, "Script:", "Script:");
    t.Add(TLangKind::DialogCaption, "Find what:", "Find what:");
    t.Add(TLangKind::DialogCaption, "Match whole words only", "Match whole words only");
    t.Add(TLangKind::DialogCaption, "Match case", "Match case");
    t.Add(TLangKind::DialogCaption, "Direction", "Direction");
    t.Add(TLangKind::DialogCaption, "Up", "Up");
    t.Add(TLangKind::DialogCaption, "Down", "Down");
    t.Add(TLangKind::DialogCaption, "Find Next", "Find Next");
    t.Add(TLangKind::DialogCaption, "Replace", "Replace");
    t.Add(TLangKind::DialogCaption, "Replace All", "Replace All");
    t.Add(TLangKind::DialogCaption, "Replace with:", "Replace with:");
    t.Add(TLangKind::DialogCaption, "Picture:", "Picture:");
    t.Add(TLangKind::DialogCaption, "Preview", "Preview");
    t.Add(TLangKind::DialogCaption, "New Folder", "New Folder");
    t.Add(TLangKind::DialogCaption, "Folder:", "Folder:");
    t.Add(TLangKind::DialogCaption, "(None)", "(None)");
    t.Add(TLangKind::DialogCaption, "Close", "Close");
    t.Add(TLangKind::DialogCaption, "Network", "Network");
    t.Add(TLangKind::DialogCaption, "Find", "Find");
    // In Spanish the window's own texts use Tahoma; its status bar keeps its design font.
    for (const char* control : {"TfrmVRXLink", "lblDownload", "lblOpen", "lblSetup", "lblRun",
                                "lblBattery", "lblHelp", "lblClose"})
        t.Add(TLangKind::Font, control, "MS Sans Serif", "Tahoma");
    return t;
}
