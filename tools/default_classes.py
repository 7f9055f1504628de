"""The file classes of tools/default-associations.reg (see
make-default-registry.py): system, pictures, web, Office, media, fonts,
certificates, archives, a developer's tools, German programs, a class reached
through its class identifier, and keys that are no extensions."""
from regfile import binary, cls, dword, put, text

WIN = r"%SystemRoot%\system32"
NOTEPAD = WIN + r"\NOTEPAD.EXE"
WORDPAD = r'"%ProgramFiles%\Windows NT\Accessories\WORDPAD.EXE"'
IE = r'"C:\Program Files\Internet Explorer\iexplore.exe"'
OFFICE = r"C:\Program Files\Microsoft Office\Office10"
WMP = r'"C:\Program Files\Windows Media Player\wmplayer.exe"'
READER = r"C:\Program Files\Adobe\Acrobat 7.0\Reader\AcroRd32.exe"
VC = r"C:\Program Files\Microsoft Visual Studio\Common\MSDev98\Bin\MSDEV.EXE"
ARCHIVER = r"C:\Program Files\PackIt\packit.exe"
SHIMGVW = r"rundll32.exe %SystemRoot%\system32\shimgvw.dll"


def notepad_verbs(print_=True):
    verbs = [("open", NOTEPAD + " %1")]
    if print_:
        verbs.append(("print", NOTEPAD + " /p %1"))
    return verbs


def script_verbs(host="WScript"):
    return [("open", WIN + "\\" + host + '.exe "%1" %*'),
            ("open2", WIN + r'\CScript.exe "%1" %*'),
            ("edit", NOTEPAD + " %1"),
            ("print", NOTEPAD + " /p %1")]


def image_verbs():
    return [("open", SHIMGVW + ",ImageView_Fullscreen %1"),
            ("edit", r'"%SystemRoot%\system32\mspaint.exe" "%1"'),
            ("print", SHIMGVW + ",ImageView_PrintTo /pt \"%1\" \"%2\" \"%3\" \"%4\""),
            ("printto", SHIMGVW + ",ImageView_PrintTo /pt \"%1\" \"%2\" \"%3\" \"%4\"")]


def media_verbs():
    return [("Enqueue", WMP + ' /Enqueue "%L"'),
            ("open", WMP + ' /Open "%L"'),
            ("play", WMP + ' /Play "%L"')]


def cert_verbs(entry):
    return [("open", r"%SystemRoot%\system32\rundll32.exe cryptext.dll," + entry + " %1")]


# Text and system files.
cls("txtfile", "Text Document", WIN + r"\shell32.dll,-152", 0x00210000,
    notepad_verbs() + [("printto", NOTEPAD + ' /pt "%1" "%2" "%3" "%4"')])
cls("inifile", "Configuration Settings", WIN + r"\shell32.dll,-151", None, notepad_verbs())
cls("inffile", "Setup Information", WIN + r"\shell32.dll,-151", None,
    notepad_verbs() + [("Install", WIN + r"\rundll32.exe setupapi,InstallHinfSection DefaultInstall 132 %1")])
cls("batfile", "MS-DOS Batch File", WIN + r"\shell32.dll,-153", binary(0x30, 0x04, 0x00, 0x00),
    [("open", '"%1" %*'), ("edit", NOTEPAD + " %1"), ("print", NOTEPAD + " /p %1")])
cls("cmdfile", "Windows NT Command Script", WIN + r"\shell32.dll,-153", binary(0x30, 0x04, 0x00, 0x00),
    [("open", '"%1" %*'), ("edit", NOTEPAD + " %1"), ("print", NOTEPAD + " /p %1")])
cls("comfile", "MS-DOS Application", WIN + r"\shell32.dll,2", binary(0xD8, 0x07, 0x00, 0x00),
    [("open", '"%1" %*')])
cls("exefile", "Application", "%1", binary(0x38, 0x07, 0x00, 0x00),
    [("open", '"%1" %*'), ("runas", '"%1" %*')])
cls("dllfile", "Application Extension", WIN + r"\shell32.dll,-154", None, show="AlwaysShowExt")
cls("sysfile", "System file", WIN + r"\shell32.dll,-154", None, show="AlwaysShowExt")
cls("drvfile", "Device driver", WIN + r"\shell32.dll,-154")
cls("vxdfile", "Virtual device driver", WIN + r"\shell32.dll,-154")
cls("ocxfile", "ActiveX Control", WIN + r"\shell32.dll,-154")
cls("cplfile", "Control Panel extension", "%1", None,
    [("cplopen", WIN + r'\rundll32.exe shell32.dll,Control_RunDLL "%1",%*')], default_verb="cplopen")
cls("scrfile", "Screen Saver", "%1", binary(0x38, 0x07),
    [("config", '"%1"'), ("install", WIN + r"\rundll32.exe desk.cpl,InstallScreenSaver %l"),
     ("open", '"%1" /S')], show="AlwaysShowExt")
cls("piffile", "Shortcut to MS-DOS Program", WIN + r"\shell32.dll,0", None, [("open", '"%1" %*')],
    show="NeverShowExt", values={"IsShortcut": ("sz", "")})
cls("lnkfile", "Shortcut", None, 1, show="NeverShowExt", values={"IsShortcut": ("sz", "")})
cls("InternetShortcut", "Internet Shortcut", WIN + r"\url.dll,0", 2,
    [("open", r"rundll32.exe shdocvw.dll,OpenURL %l"), ("print", r"rundll32.exe mshtml.dll,PrintHTML %1")],
    show="NeverShowExt", values={"IsShortcut": ("sz", "")})
cls("SHCmdFile", "Windows Explorer Command", WIN + r"\SHELL32.dll,34", None,
    [("open", WIN + r"\explorer.exe")], show="NeverShowExt")
cls("ShellScrap", "Scrap object", WIN + r"\shscrap.dll,-100", binary(0x01, 0x00, 0x00, 0x00),
    [("open", WIN + r"\rundll32.exe " + WIN + r"\shscrap.dll,OpenScrap_RunDLL /r /x %1")],
    show="NeverShowExt")
cls("DocShortcut", "Shortcut into a document", WIN + r"\shscrap.dll,-101", None,
    [("open", WIN + r"\rundll32.exe " + WIN + r"\shscrap.dll,OpenScrap_RunDLL /r %1")],
    show="NeverShowExt")
cls("regfile", "Registration Entries", r"%SystemRoot%\regedit.exe,1", 0x00100000,
    [("open", 'regedit.exe "%1"'), ("edit", NOTEPAD + " %1"), ("print", NOTEPAD + " /p %1")])
cls("hlpfile", "Help File", WIN + r"\winhlp32.exe,1", None, [("open", WIN + r"\winhlp32.exe %1")])
cls("chm.file", "Compiled HTML Help file", r"%SystemRoot%\hh.exe,0", None,
    [("open", r'"%SystemRoot%\hh.exe" %1')])
cls("chkfile", "Recovered File Fragments", WIN + r"\shell32.dll,-152")
cls("fndfile", "Saved Search", WIN + r"\shell32.dll,-134", None,
    [("open", WIN + r'\explorer.exe /idlist,%I,%L')])
cls("zapfile", "ZAP File", WIN + r"\shell32.dll,-154", None)
cls("MSProgramGroup", "Microsoft Program Group", r"%SystemRoot%\grpconv.exe,0", None,
    [("open", r"%SystemRoot%\grpconv.exe %1")])
cls("Briefcase", "Briefcase", WIN + r"\syncui.dll,0", None)
cls("MSCFile", "Microsoft Common Console Document", r"%SystemRoot%\system32\mmc.exe,0",
    binary(0x00, 0x00, 0x10, 0x00),
    [("Author", r'%SystemRoot%\system32\mmc.exe "%1" %* /a'), ("Open", r'%SystemRoot%\system32\mmc.exe "%1" %*'),
     ("RunAs", r'%SystemRoot%\system32\mmc.exe "%1" %*')], default_verb="Open",
    friendly=r"@%SystemRoot%\system32\mmcbase.dll,-13347")
cls("MSInfoFile", "System Information File", r'"C:\Program Files\Common Files\Microsoft Shared\MSInfo\msinfo32.exe",0',
    None, [("open", r'"C:\Program Files\Common Files\Microsoft Shared\MSInfo\msinfo32.exe" "%1"')])
cls("Msi.Package", "Windows Installer Package", WIN + r"\msiexec.exe,0", 0x00100000,
    [("Open", r'"%SystemRoot%\System32\msiexec.exe" /i "%1" %*'),
     ("Repair", r'"%SystemRoot%\System32\msiexec.exe" /f "%1" %*'),
     ("Uninstall", r'"%SystemRoot%\System32\msiexec.exe" /x "%1" %*')], default_verb="Open",
    friendly=r"@%SystemRoot%\system32\msi.dll,-34")
cls("Msi.Patch", "Windows Installer Patch", WIN + r"\msiexec.exe,1", 0x00100000,
    [("Open", r'"%SystemRoot%\System32\msiexec.exe" /p "%1" %*')], default_verb="Open")
cls("RDP.File", "Remote Desktop Connection", WIN + r"\mstsc.exe,0", None,
    [("Edit", WIN + r'\mstsc.exe /edit "%1"'), ("Open", WIN + r'\mstsc.exe "%1"')], default_verb="Open")
cls("themefile", "Windows Theme File", WIN + r"\themeui.dll,0", None,
    [("open", WIN + r"\rundll32.exe " + WIN + r"\shell32.dll,Control_RunDLL " + WIN + r'\desk.cpl desk,@Themes /Action:OpenTheme /file:"%1"')],
    friendly=r"@themeui.dll,-2682")
cls("msstylesfile", "Windows Visual Style File", WIN + r"\themeui.dll,1", None,
    [("open", WIN + r"\rundll32.exe " + WIN + r"\shell32.dll,Control_RunDLL " + WIN + r'\desk.cpl desk,@Appearance /Action:OpenMSTheme /file:"%1"')])
cls("ratfile", "Content Ratings", WIN + r"\msrating.dll,0")
cls("MSDASC", "Microsoft Data Link", r'"C:\Program Files\Common Files\System\Ole DB\oledb32.dll",0', None,
    [("open", r'C:\WINDOWS\system32\rundll32.exe "C:\Program Files\Common Files\System\Ole DB\oledb32.dll",OpenDSLFile %1')])
cls("x-internet-signup", "Internet Connection Wizard file", WIN + r"\isign32.dll,0", None,
    [("open", r'"C:\Program Files\Internet Explorer\Connection Wizard\icwconn1.exe" /ins "%1"')])
cls("Microsoft Internet Mail Message", "Outlook Express Mail Message",
    r"C:\Program Files\Outlook Express\msimn.exe,-70", 0x00010000,
    [("open", r'"C:\Program Files\Outlook Express\msimn.exe" /eml:%1'),
     ("print", r"rundll32.exe mshtml.dll,PrintHTML %1")])
cls("Microsoft Internet News Message", "Outlook Express News Message",
    r"C:\Program Files\Outlook Express\msimn.exe,-71", 0x00010000,
    [("open", r'"C:\Program Files\Outlook Express\msimn.exe" /nws:%1')])
cls("vcard_wab_auto_file", "vCard File", r"C:\Program Files\Outlook Express\wab.exe,1", None,
    [("open", r'"C:\Program Files\Outlook Express\wab.exe" /vcard "%1"')])
cls("wab_auto_file", "Address Book File", r"C:\Program Files\Outlook Express\wab.exe,1", None,
    [("open", r'"C:\Program Files\Outlook Express\wab.exe" /wab "%1"')])
cls("CompressedFolder", "Compressed (zipped) Folder", WIN + r"\zipfldr.dll", 0x00100000,
    [("find", WIN + r"\rundll32.exe zipfldr.dll,RouteTheCall %L")],
    friendly=r"@%SystemRoot%\system32\zipfldr.dll,-10195")

# Pictures.
cls("Paint.Picture", "Bitmap Image", r'"%SystemRoot%\system32\mspaint.exe",1', None,
    [("open", r'"%SystemRoot%\system32\mspaint.exe" "%1"'),
     ("print", r'"%SystemRoot%\system32\mspaint.exe" /p "%1"'),
     ("printto", r'"%SystemRoot%\system32\mspaint.exe" /pt "%1" "%2" "%3" "%4"')])
put(r"Paint.Picture\protocol\StdFileEditing\server", None, ("sz", r"mspaint.exe"))
put(r"Paint.Picture\protocol\StdFileEditing\verb\0", None, ("sz", "&Edit"))
cls("jpegfile", "JPEG Image", WIN + r"\shimgvw.dll,2", 0x00010000, image_verbs())
cls("pjpegfile", "JPEG Image", WIN + r"\shimgvw.dll,2", 0x00010000, image_verbs())
cls("giffile", "GIF Image", WIN + r"\shimgvw.dll,3", 0x00010000, image_verbs())
cls("pngfile", "PNG Image", WIN + r"\shimgvw.dll,4", 0x00010000, image_verbs())
cls("TIFImage.Document", "TIF Image Document", WIN + r"\shimgvw.dll,3", 0x00010000,
    image_verbs()[:1] + [("printto", SHIMGVW + ",ImageView_PrintTo /pt \"%1\" \"%2\" \"%3\" \"%4\"")],
    curver="TIFImage.Document.1")
cls("TIFImage.Document.1", "TIF Image Document", WIN + r"\shimgvw.dll,3", 0x00010000, image_verbs()[:1])
cls("emffile", "EMF Image", WIN + r"\shimgvw.dll,1", 0x00010000, image_verbs()[:1])
cls("wmffile", "WMF Image", WIN + r"\shimgvw.dll,1", 0x00010000, image_verbs()[:1])
cls("icofile", "Icon", "%1", None, [("open", SHIMGVW + ",ImageView_Fullscreen %1")])
cls("curfile", "Cursor", "%1")
cls("anifile", "Animated Cursor", "%1")
cls("xbmfile", "XBM Image", WIN + r"\shimgvw.dll,1", None)
cls("psdfile", "Bildbearbeitung - Ebenenbild", r'"C:\Programme\Bildwerk\bildwerk.exe",1', None,
    [("open", r'"C:\Programme\Bildwerk\bildwerk.exe" "%1"')], friendly="Ebenenbild für Bildwerk")

# Web documents and scripts.
IE_DDE = ('"file:%1",,-1,,,,,', "IExplore", "WWW_OpenURL")
cls("htmlfile", "HTML Document", r"C:\PROGRA~1\INTERN~1\iexplore.exe,1", binary(0x00, 0x00, 0x01, 0x00),
    [("edit", r'"C:\Program Files\Microsoft Office\Office10\msohtmed.exe" %1'),
     ("open", IE + " -nohome", IE_DDE + ("",)),
     ("opennew", IE + ' "%1"'),
     ("print", r'rundll32.exe %windir%\system32\mshtml.dll,PrintHTML "%1"'),
     ("printto", r'rundll32.exe %windir%\system32\mshtml.dll,PrintHTML "%1" "%2" "%3" "%4"')],
    default_verb="opennew", values={"BrowserFlags": dword(8)})
cls("mhtmlfile", "MHTML Document", r"C:\PROGRA~1\INTERN~1\iexplore.exe,-16", binary(0x00, 0x00, 0x01, 0x00),
    [("open", IE + " -nohome", IE_DDE), ("edit", r'"%ProgramFiles%\Microsoft Office\Office10\msohtmed.exe" %1')])
cls("xmlfile", "XML Document", r"%SystemRoot%\system32\msxml3.dll,-128", 0x00010000,
    [("edit", NOTEPAD + " %1"), ("open", IE + ' -nohome "%1"')])
cls("xslfile", "XSL Stylesheet", r"%SystemRoot%\system32\msxml3.dll,-128", 0x00010000,
    [("open", IE + ' -nohome "%1"')])
cls("CSSfile", "Cascading Style Sheet Document", WIN + r"\shell32.dll,-152", None, notepad_verbs(False))
cls("JSFile", "JScript Script File", WIN + r"\WScript.exe,3", binary(0x00, 0x00, 0x00, 0x00), script_verbs())
cls("JSEFile", "JScript Encoded Script File", WIN + r"\WScript.exe,3", 0, script_verbs()[:2])
cls("VBSFile", "VBScript Script File", WIN + r"\WScript.exe,2", binary(0x00, 0x00, 0x00, 0x00),
    script_verbs(), show="AlwaysShowExt")
cls("VBEFile", "VBScript Encoded File", WIN + r"\WScript.exe,2", 0, script_verbs()[:2])
cls("WSFFile", "Windows Script File", WIN + r"\WScript.exe,1", 0, script_verbs())
cls("WSHFile", "Windows Script Host Settings File", WIN + r"\WScript.exe,1", 0,
    [("open", WIN + r'\WScript.exe "%1" %*'), ("props", None)])
cls("htafile", "HTML Application", r"%SystemRoot%\system32\mshta.exe,1", None,
    [("open", r'C:\WINDOWS\system32\mshta.exe "%1" %*')])
cls("scriptletfile", "Windows Script Component", WIN + r"\scrobj.dll,0", None,
    [("Generate Typelib", r'"%SystemRoot%\system32\RUNDLL32.EXE" %SystemRoot%\system32\scrobj.dll,GenerateTypeLib "%1"'),
     ("open", NOTEPAD + ' "%1"'),
     ("Register", r'"%SystemRoot%\system32\REGSVR32.EXE" /i:"%1" %SystemRoot%\system32\scrobj.dll'),
     ("Unregister", r'"%SystemRoot%\system32\REGSVR32.EXE" /u /n /i:"%1" %SystemRoot%\system32\scrobj.dll')])
cls("htfile", "HyperTerminal File", r"C:\Program Files\Windows NT\hypertrm.exe,0", None,
    [("open", r'"C:\Program Files\Windows NT\hypertrm.exe" "%1"')])
cls("HTTfile", "Hypertext Template", WIN + r"\shell32.dll,-152", None, notepad_verbs(False))

# Office documents. Word's verbs are capitalised and "shell" names no
# default, so the shell picks "open" whatever its case.
WORD = '"' + OFFICE + r'\WINWORD.EXE"'
WORD_DDE = '[REM _DDE_Direct][FileOpen("%1")]'
cls("Word.Document", "Microsoft Word Document", OFFICE + r"\WINWORD.EXE,1", None, curver="Word.Document.8")
cls("Word.Document.8", "Microsoft Word Document", OFFICE + r"\WINWORD.EXE,1", 0x00010000,
    [("New", WORD + " /n /dde", ('[FileNew("%1")]', "WinWord", "System")),
     ("Open", WORD + " /n /dde", (WORD_DDE, "WinWord", "System", "[REM _DDE_Direct]")),
     ("OpenAsReadOnly", WORD + " /n /dde", ('[FileOpen("%1",,1)]', "WinWord", "System")),
     ("Print", WORD + " /n /dde", ('[REM _DDE_Direct][FileOpen("%1")][FilePrint 0][DocClose 2]', "WinWord", "System")),
     ("printto", WORD + " /n /dde", ('[REM _DDE_Direct][FilePrintSetup "%2 on %3"][FileOpen("%1")][FilePrint 0][DocClose 2]', "WinWord", "System"))],
    values={"BrowserFlags": dword(8)})
cls("Word.Template", "Microsoft Word Template", OFFICE + r"\WINWORD.EXE,2", None, curver="Word.Template.8")
cls("Word.Template.8", "Microsoft Word Template", OFFICE + r"\WINWORD.EXE,2", 0x00010000,
    [("New", WORD + " /n /dde", ('[FileNew("%1")]', "WinWord", "System")),
     ("Open", WORD + " /n /dde", (WORD_DDE, "WinWord", "System"))], default_verb="New")
cls("Word.Backup.8", "Microsoft Word Backup Document", OFFICE + r"\WINWORD.EXE,3", 0x00010000,
    [("Open", WORD + " /n /dde", (WORD_DDE, "WinWord", "System"))])
cls("Word.Wizard.8", "Microsoft Word Wizard", OFFICE + r"\WINWORD.EXE,4", None,
    [("New", WORD + " /n /dde", ('[FileNew("%1")]', "WinWord", "System"))], default_verb="New")
cls("Word.RTF.8", "Rich Text Format", OFFICE + r"\WINWORD.EXE,1", 0x00010000,
    [("Open", WORD + " /n /dde", (WORD_DDE, "WinWord", "System"))])
EXCEL = '"' + OFFICE + r'\EXCEL.EXE"'
cls("Excel.Sheet", "Microsoft Excel Worksheet", OFFICE + r"\EXCEL.EXE,1", None, curver="Excel.Sheet.8")
cls("Excel.Sheet.8", "Microsoft Excel Worksheet", OFFICE + r"\EXCEL.EXE,1", 0x00010000,
    [("New", EXCEL + ' /e "%1"'),
     ("Open", EXCEL + " /e", ('[open("%1")]', "Excel", "system")),
     ("Print", EXCEL + " /e", ('[open("%1")][print()][close()]', "Excel", "system"))],
    values={"BrowserFlags": dword(8)})
cls("Excel.Chart.8", "Microsoft Excel Chart", OFFICE + r"\EXCEL.EXE,2", 0x00010000,
    [("Open", EXCEL + " /e", ('[open("%1")]', "Excel", "system"))])
cls("Excel.CSV", "Microsoft Excel Comma Separated Values File", OFFICE + r"\EXCEL.EXE,3", None,
    [("Open", EXCEL + " /e", ('[open("%1")]', "Excel", "system"))])
cls("Excel.Template", "Microsoft Excel Template", OFFICE + r"\EXCEL.EXE,4", None,
    [("New", EXCEL + ' /e "%1"'), ("Open", EXCEL + " /e", ('[open("%1")]', "Excel", "system"))],
    default_verb="New")
cls("Excel.Workspace", "Microsoft Excel Workspace", OFFICE + r"\EXCEL.EXE,7", None,
    [("Open", EXCEL + " /e", ('[open("%1")]', "Excel", "system"))])
cls("Excel.Addin", "Microsoft Excel Add-In", OFFICE + r"\EXCEL.EXE,5", None,
    [("Open", EXCEL + " /e", ('[open("%1")]', "Excel", "system"))])
cls("Excel.SLK", "Microsoft Excel SLK Data Import File", OFFICE + r"\EXCEL.EXE,6", None,
    [("Open", EXCEL + " /e", ('[open("%1")]', "Excel", "system"))])
POWERPNT = '"' + OFFICE + r'\POWERPNT.EXE"'
cls("PowerPoint.Show", "Microsoft PowerPoint Presentation", OFFICE + r"\POWERPNT.EXE,1", None,
    curver="PowerPoint.Show.8")
cls("PowerPoint.Show.8", "Microsoft PowerPoint Presentation", OFFICE + r"\POWERPNT.EXE,1", 0x00010000,
    [("New", POWERPNT + ' /N "%1"'), ("Open", POWERPNT + ' "%1"'), ("Print", POWERPNT + ' /P "%1"'),
     ("Show", POWERPNT + ' /s "%1"')], default_verb="Open")
cls("PowerPoint.SlideShow.8", "Microsoft PowerPoint Slide Show", OFFICE + r"\POWERPNT.EXE,7", 0x00010000,
    [("Open", POWERPNT + ' /s "%1"'), ("Edit", POWERPNT + ' "%1"')], default_verb="Open")
cls("PowerPoint.Addin.8", "Microsoft PowerPoint Add-In", OFFICE + r"\POWERPNT.EXE,9", None)
cls("PowerPoint.Template.8", "Microsoft PowerPoint Design Template", OFFICE + r"\POWERPNT.EXE,4",
    0x00010000, [("New", POWERPNT + ' /N "%1"'), ("Open", POWERPNT + ' "%1"')], default_verb="New")
cls("rtffile", "Rich Text Format", '"%ProgramFiles%\\Windows NT\\Accessories\\WORDPAD.EXE",1', None,
    [("open", WORDPAD + ' "%1"'), ("print", WORDPAD + ' /p "%1"'),
     ("printto", WORDPAD + ' /pt "%1" "%2" "%3" "%4"')])
cls("wrifile", "Write Document", '"%ProgramFiles%\\Windows NT\\Accessories\\WORDPAD.EXE",2', None,
    [("open", WORDPAD + ' "%1"'), ("print", WORDPAD + ' /p "%1"')])
cls("AcroExch.Document", "Adobe Acrobat Document", READER + ",1", None, curver="AcroExch.Document.7")
cls("AcroExch.Document.7", "Adobe Acrobat 7.0 Document", READER + ",1", binary(0x00, 0x00, 0x01, 0x00),
    [("Open", '"' + READER + '" "%1"'), ("Print", '"' + READER + '" /p /h "%1"'),
     ("Printto", '"' + READER + '" /t "%1" "%2" "%3" "%4"'),
     ("Read", '"' + READER + '" "%1"', ('[FileOpen("%1")]', "AcroviewR7", "control"))],
    default_verb="Read")
cls("AcroExch.XDPDoc", "Adobe Acrobat XML Data Package File", READER + ",3", None,
    [("Open", '"' + READER + '" "%1"')])
cls("AcroExch.FDFDoc", "Adobe Acrobat Forms Document", READER + ",2", None,
    [("Open", '"' + READER + '" "%1"')])

# Sound and video.
cls("soundrec", "Wave Sound", WIN + r"\wmploc.dll,-730", 0x00010000,
    media_verbs() + [("record", WIN + r"\sndrec32.exe")], default_verb="play")
cls("midfile", "MIDI Sequence", WIN + r"\wmploc.dll,-731", 0x00010000, media_verbs(), default_verb="play")
cls("mp3file", "MP3 Format Sound", WIN + r"\wmploc.dll,-732", 0x00010000, media_verbs(), default_verb="play")
cls("WMAFile", "Windows Media Audio file", WIN + r"\wmploc.dll,-732", 0x00010000, media_verbs(),
    default_verb="play")
cls("WMVFile", "Windows Media Audio/Video file", WIN + r"\wmploc.dll,-733", 0x00010000, media_verbs(),
    default_verb="play")
cls("ASFFile", "Windows Media Audio/Video file", WIN + r"\wmploc.dll,-733", 0x00010000, media_verbs(),
    default_verb="play")
cls("ASXFile", "Windows Media Audio/Video shortcut", WIN + r"\wmploc.dll,-734", 0x00010000, media_verbs(),
    default_verb="play")
cls("WAXFile", "Windows Media Audio shortcut", WIN + r"\wmploc.dll,-734", 0x00010000, media_verbs(),
    default_verb="play")
cls("WVXFile", "Windows Media Audio/Video shortcut", WIN + r"\wmploc.dll,-734", 0x00010000,
    media_verbs(), default_verb="play")
cls("WPLFile", "Windows Media Playlist", WIN + r"\wmploc.dll,-734", 0x00010000, media_verbs(),
    default_verb="play")
cls("m3ufile", "M3U file", WIN + r"\wmploc.dll,-734", 0x00010000, media_verbs(), default_verb="play")
cls("avifile", "Video Clip", WIN + r"\wmploc.dll,-733", 0x00010000, media_verbs(), default_verb="play")
cls("mpegfile", "Movie File (MPEG)", WIN + r"\wmploc.dll,-733", 0x00010000, media_verbs(),
    default_verb="play")
cls("IVFfile", "Indeo Video File", WIN + r"\wmploc.dll,-733", 0x00010000, media_verbs(),
    default_verb="play")
cls("AIFFFile", "AIFF Format Sound", WIN + r"\wmploc.dll,-730", 0x00010000, media_verbs(),
    default_verb="play")
cls("AUFile", "AU Format Sound", WIN + r"\wmploc.dll,-730", 0x00010000, media_verbs(), default_verb="play")
cls("CDAFile", "CD Audio Track", WIN + r"\wmploc.dll,-735", 0x00010000,
    [("play", WMP + ' /Play "%L"')], default_verb="play")
cls("MPlayer", "Media Clip", r"%SystemRoot%\system32\mplay32.exe,1", None,
    [("open", r"%SystemRoot%\system32\mplay32.exe /open %1"), ("play", r"%SystemRoot%\system32\mplay32.exe /play /close %1")])

# Fonts.
cls("ttffile", "TrueType Font file", WIN + r"\fontext.dll,-1", None,
    [("open", WIN + r"\fontview.exe %1"), ("print", WIN + r"\fontview.exe /p %1")])
cls("otffile", "OpenType Font file", WIN + r"\fontext.dll,-4", None,
    [("open", WIN + r"\fontview.exe %1"), ("print", WIN + r"\fontview.exe /p %1")])
cls("ttcfile", "TrueType Collection Font file", WIN + r"\fontext.dll,-1", None,
    [("open", WIN + r"\fontview.exe %1")])
cls("fonfile", "Font file", WIN + r"\fontext.dll,-3", None, [("open", WIN + r"\fontview.exe %1")])
cls("pfmfile", "Type 1 Font file", WIN + r"\fontext.dll,-5", None, [("open", WIN + r"\fontview.exe %1")])

# Certificates.
cls("CERFile", "Security Certificate", WIN + r"\shell32.dll,-48", 0x00100000,
    cert_verbs("CryptExtOpenCER") + [("add", WIN + r"\rundll32.exe cryptext.dll,CryptExtAddCER %1")])
cls("CRLFile", "Certificate Revocation List", WIN + r"\certmgr.dll,-3002", 0x00100000,
    cert_verbs("CryptExtOpenCRL"))
cls("CATFile", "Security Catalog", WIN + r"\certmgr.dll,-3004", 0x00100000, cert_verbs("CryptExtOpenCAT"))
cls("CertificateStore", "Microsoft Serialized Certificate Store", WIN + r"\certmgr.dll,-3005", 0x00100000,
    cert_verbs("CryptExtOpenSTR"))
cls("PFXFile", "Personal Information Exchange", WIN + r"\certmgr.dll,-3006", 0x00100000,
    [("add", WIN + r"\rundll32.exe cryptext.dll,CryptExtAddPFX %1"),
     ("open", WIN + r"\rundll32.exe cryptext.dll,CryptExtAddPFX %1")], default_verb="add")
cls("SPCFile", "PKCS #7 Certificates", WIN + r"\certmgr.dll,-3007", 0x00100000, cert_verbs("CryptExtOpenPKCS7"))
cls("P7SFile", "PKCS #7 Signature", WIN + r"\certmgr.dll,-3008", 0x00100000, cert_verbs("CryptExtOpenPKCS7"))
cls("P7MFile", "PKCS #7 MIME Message", WIN + r"\certmgr.dll,-3008", 0x00100000)
cls("P10File", "Certificate Request", WIN + r"\certmgr.dll,-3009", 0x00100000, cert_verbs("CryptExtOpen10"))
cls("STLFile", "Certificate Trust List", WIN + r"\certmgr.dll,-3003", 0x00100000, cert_verbs("CryptExtOpenCTL"))
cls("certificate_wab_auto_file", "PKCS #7 Certificate", WIN + r"\certmgr.dll,-3007", None,
    cert_verbs("CryptExtOpenPKCS7"))
cls("PKOFile", "Public Key Security Object", WIN + r"\certmgr.dll,-3010", 0x00100000)

# Archives.
cls("packitfile", "PackIt Archive", ARCHIVER + ",1", None,
    [("open", '"' + ARCHIVER + '" "%1"'), ("extract", '"' + ARCHIVER + '" -x "%1"')])
cls("packitfile.tar", "PackIt Tape Archive", ARCHIVER + ",2", None, [("open", '"' + ARCHIVER + '" "%1"')])

# A developer's tools.
MSDEV = '"' + VC + '"'
MSDEV_DDE = ('[open("%1")]', "msdev", "system")
for name, description, index in (
        ("cppfile", "C++ Source File", 4), ("cfile", "C Source File", 5), ("hfile", "C/C++ Header File", 6),
        ("rcfile", "Resource Script", 7), ("idlfile", "Interface Definition File", 8),
        ("asmfile", "Assembler Source", 9), ("makfile", "Makefile", 10), ("deffile", "Module-Definition File", 11)):
    cls(name, description, VC + "," + str(index), None,
        [("Open", MSDEV + ' "%1"', MSDEV_DDE), ("&Open with MSDEV", MSDEV + ' "%1"')], default_verb="Open")
cls("dspfile", "Project File", VC + ",2", None, [("open", MSDEV + ' "%1"', MSDEV_DDE)])
cls("dswfile", "Project Workspace", VC + ",1", None, [("open", MSDEV + ' "%1"', MSDEV_DDE)])
cls("VisualBasic.Module", "Visual Basic Module", r"C:\Program Files\Microsoft Visual Studio\VB98\VB6.EXE,2",
    None, [("open", r'"C:\Program Files\Microsoft Visual Studio\VB98\VB6.EXE" "%1"')])
cls("VisualBasic.Form", "Visual Basic Form File", r"C:\Program Files\Microsoft Visual Studio\VB98\VB6.EXE,3",
    None, [("open", r'"C:\Program Files\Microsoft Visual Studio\VB98\VB6.EXE" "%1"')])
cls("VisualBasic.Project", "Visual Basic Project", r"C:\Program Files\Microsoft Visual Studio\VB98\VB6.EXE,1",
    None, [("open", r'"C:\Program Files\Microsoft Visual Studio\VB98\VB6.EXE" "%1"'),
           ("Make", r'"C:\Program Files\Microsoft Visual Studio\VB98\VB6.EXE" /make "%1"')])
cls("Python.File", "Python File", r"C:\Python24\py.ico", None,
    [("open", r'C:\Python24\python.exe "%1" %*'), ("Edit with IDLE", r'"C:\Python24\pythonw.exe" "C:\Python24\Lib\idlelib\idle.pyw" -n -e "%1"')])
cls("Perl", "Perl Script", r"C:\Perl\bin\perl.exe,0", None, [("open", r'"C:\Perl\bin\perl.exe" "%1" %*'),
                                                           ("edit", NOTEPAD + " %1")])

# German programs and files of a German user: descriptions with umlauts.
cls("NotizBlock.Datei", "Textdatei für Notizen", r'"C:\Programme\NotizBlock\notiz.exe",0', 0x00010000,
    [("open", r'"C:\Programme\NotizBlock\notiz.exe" "%1"'), ("print", r'"C:\Programme\NotizBlock\notiz.exe" /druck "%1"'),
     ("öffnen schreibgeschützt", r'"C:\Programme\NotizBlock\notiz.exe" /r "%1"')],
    friendly="Textdatei für Notizen", infotip="Notizen, Merkzettel und Übersichten")
cls("keyfile", "Schlüsseldatei", WIN + r"\shell32.dll,-48", None,
    [("open", NOTEPAD + " %1")], friendly="Schlüsseldatei (Lizenz)")
cls("bakfile", "Sicherungskopie", WIN + r"\shell32.dll,-152")
cls("Kassenbuch.Dokument", "Kassenbuch - Jahresübersicht", r'"C:\Programme\Kassenbuch\kasse.exe",1', None,
    [("open", r'"C:\Programme\Kassenbuch\kasse.exe" "%1"'), ("drucken", r'"C:\Programme\Kassenbuch\kasse.exe" /p "%1"')],
    default_verb="open", curver="Kassenbuch.Dokument.3")
cls("Kassenbuch.Dokument.3", "Kassenbuch - Jahresübersicht", r'"C:\Programme\Kassenbuch\kasse.exe",1', None,
    [("open", r'"C:\Programme\Kassenbuch\kasse.exe" "%1"')])
cls("lstfile", "Listendatei", WIN + r"\shell32.dll,-152", None, notepad_verbs())

# A class reached through its class identifier.
CAB_CLSID = "{0CD7A5C0-9F37-11CE-AE65-08002B2E1262}"
put("CLSID\\" + CAB_CLSID, None, ("sz", "Cabinet File"))
put("CLSID\\" + CAB_CLSID + r"\DefaultIcon", None, text(WIN + r"\cabview.dll,0"))
put("CLSID\\" + CAB_CLSID + r"\InProcServer32", None, text(WIN + r"\cabview.dll"))
put("CLSID\\" + CAB_CLSID + r"\InProcServer32", "ThreadingModel", ("sz", "Apartment"))
put("CLSID\\" + CAB_CLSID + r"\shell\open\command", None, text(WIN + r"\explorer.exe /idlist,%I,%L"))

# Keys that are no extensions and name no class of an extension.
cls("*", None, values={})
put(r"*\shellex\ContextMenuHandlers\Open With", None, ("sz", "{09799AFB-AD67-11d1-ABCD-00C04FC30936}"))
put(r"*\OpenWithList\notepad.exe", None, ("sz", ""))
cls("Unknown", None, None, None, [("openas", WIN + r"\rundll32.exe " + WIN + r"\shell32.dll,OpenAs_RunDLL %1")],
    values={"AlwaysShowExt": ("sz", "")})
cls("Folder", "Folder", WIN + r"\shell32.dll,3", binary(0xD2, 0x01, 0x00, 0x00),
    [("explore", None), ("open", None)])
cls("Directory", "File Folder", WIN + r"\shell32.dll,3", binary(0xD2, 0x01, 0x00, 0x00),
    [("find", r"%SystemRoot%\Explorer.exe")])
cls("Drive", "Drive", None, None, [("find", r"%SystemRoot%\Explorer.exe")])
cls("AudioCD", "AudioCD", WIN + r"\shell32.dll,40", binary(0x02, 0x00, 0x00, 0x00),
    [("play", WMP + " /prefetch:3 /device:AudioCD \"%L\"")], default_verb="play")
cls("AllFilesystemObjects", None)
put(r"AllFilesystemObjects\shellex\ContextMenuHandlers\Copy To", None, ("sz", "{C2FBB630-2971-11D1-A18C-00C04FD75D13}"))
cls("http", "URL:HyperText Transfer Protocol", r"url.dll,0", 2,
    [("open", IE + " -nohome", ('"%1",,-1,0,,,,', "IExplore", "WWW_OpenURL"))],
    values={"URL Protocol": ("sz", "")})
cls("mailto", "URL:MailTo Protocol", r"C:\Program Files\Outlook Express\msimn.exe,-2", 2,
    [("open", r'"C:\Program Files\Outlook Express\msimn.exe" /mailurl:%1')], values={"URL Protocol": ("sz", "")})

for content_type, extension in (
        ("text/plain", ".txt"), ("text/html", ".htm"), ("image/bmp", ".bmp"), ("image/gif", ".gif"),
        ("image/jpeg", ".jpg"), ("image/png", ".png"), ("application/msword", ".doc"),
        ("application/pdf", ".pdf"), ("application/x-zip-compressed", ".zip"), ("audio/wav", ".wav"),
        ("audio/mpeg", ".mp3"), ("video/avi", ".avi"), ("application/x-msdownload", ".exe")):
    put("MIME\\Database\\Content Type\\" + content_type, "Extension", ("sz", extension))
