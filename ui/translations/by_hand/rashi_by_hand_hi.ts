<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN" sourcelanguage="en">
<!-- Kept by hand: lupdate never rewrites this file. It holds texts whose English lives outside
     the sources lupdate reads: the texts of Qt's own dialogs, message boxes and text fields,
     whose sources are Qt 6.4's own, character for character (from Qt's translation catalogue),
     and the rows of the time zone list, keyed by their English text in reading/time_zones.h. -->
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>पीछे</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>खोलें (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें (&amp;S)</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>फ़ाइलें</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>दिखाएँ: </translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>'%1' लिखने से सुरक्षित है।
क्या आप फिर भी इसे हटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>क्या आप सचमुच '%1' को हटाना चाहते हैं?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>स्थानों और बुकमार्क की सूची</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>फ़ाइल का नाम (&amp;N):</translation>
    </message>
    <message>
        <source>Alt+Left</source>
        <translation>Alt+Left</translation>
    </message>
    <message>
        <source>Alt+Up</source>
        <translation>Alt+Up</translation>
    </message>
    <message>
        <source>Alt+Right</source>
        <translation>Alt+Right</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>नया फ़ोल्डर</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>ऊपर का फ़ोल्डर</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>नया फ़ोल्डर (&amp;N)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>कहाँ देखें:</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>एक नया फ़ोल्डर बनाएँ</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>फ़ाइल का प्रकार:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>फ़ोल्डर खोजें</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>छिपी फ़ाइलें दिखाएँ (&amp;H)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>इस नाम से सहेजें</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
फ़ोल्डर नहीं मिला।
कृपया जाँचें कि फ़ोल्डर का नाम सही दिया गया है।</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>साइडबार</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>सूची दृश्य</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>चुनें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>हटाएँ (&amp;D)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>फ़ोल्डर</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>नाम बदलें (&amp;R)</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>फ़ोल्डर हटाया नहीं जा सका।</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>फ़ोल्डर:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 पहले से मौजूद है।
क्या आप इसे बदलना चाहते हैं?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>आगे</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>आगे जाएँ</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>ऊपर के फ़ोल्डर में जाएँ</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>हाल के स्थान</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>पीछे जाएँ</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>विस्तृत दृश्य में बदलें</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>नया फ़ोल्डर बनाएँ</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>विस्तृत दृश्य</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
फ़ाइल नहीं मिली।
कृपया जाँचें कि फ़ाइल का नाम सही दिया गया है।</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>सूची दृश्य में बदलें</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>आकार</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>प्रकार</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>मेरा कंप्यूटर</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>कंप्यूटर</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>बदलाव की तिथि</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>विवरण दिखाएँ...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>विवरण छिपाएँ...</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>CC</source>
        <translation>CC</translation>
    </message>
    <message>
        <source>DD</source>
        <translation>DD</translation>
    </message>
    <message>
        <source>in</source>
        <translation>in</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>pt</source>
        <translation>pt</translation>
    </message>
    <message>
        <source>P̸</source>
        <translation>P̸</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>फ़ॉर्म</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>नीचे का हाशिया</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>काग़ज़</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>काग़ज़ का स्रोत:</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>दाएँ का हाशिया</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>पाइका (P̸)</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>हाशिये</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>अपनी माप</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>आड़ा</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>पृष्ठ का विन्यास</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>चौड़ाई:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>दिशा</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>दीदो (DD)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>खड़ा</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>पृष्ठों का क्रम:</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>ऊपर का हाशिया</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>बाएँ का हाशिया</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>पृष्ठ का आकार:</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>सिसेरो (CC)</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>उल्टा खड़ा</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>मिलीमीटर (mm)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>पॉइंट (pt)</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>प्रति शीट पृष्ठ:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>इंच (in)</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>उल्टा आड़ा</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>ऊँचाई:</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ (&amp;Y)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>सहायता</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>खोलें</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>सहेजें</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>रोकें</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>लागू करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>रीसेट करें</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>फिर से प्रयास करें</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>डिफ़ॉल्ट मान वापस लाएँ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>अनदेखा करें</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>सभी के लिए नहीं (&amp;O)</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>सभी सहेजें</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>छोड़ दें</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>सभी के लिए हाँ (&amp;A)</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Even Pages</source>
        <translation>सम पृष्ठ</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>छापें</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>विकल्प (&amp;O) &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>विकल्प (&amp;O) &gt;&gt;</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>बाएँ से दाएँ, ऊपर से नीचे</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>दाएँ से बाएँ, नीचे से ऊपर</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>PDF फ़ाइल लिखें</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>छापें (&amp;P)</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
        <translation>'प्रति शीट पृष्ठ' और 'पृष्ठ सेट' विकल्प एक साथ उपयोग नहीं किए जा सकते।
कृपया इनमें से एक विकल्प बंद करें।</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 पहले से मौजूद है।
क्या आप इसे अधिलेखित करना चाहते हैं?</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>बाएँ से दाएँ, नीचे से ऊपर</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>विषम पृष्ठ</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>स्थानीय फ़ाइल</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>6 (2x3)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>16 (4x4)</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>दोनों ओर छपाई की सेटिंग में टकराव है। क्या आप उन्हें ठीक करना चाहते हैं?</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>फ़ाइल में छापें (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>फ़ाइल में छापें ...</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>पृष्ठों का अमान्य विवरण</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 सही नियम से नहीं लिखा है। कृपया सीमाओं और पृष्ठों को अलग करने के लिए ',' और सीमा बताने के लिए '-' का उपयोग करें, और ध्यान रखें कि सीमाएँ एक-दूसरे पर न पड़ें।</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>दाएँ से बाएँ, ऊपर से नीचे</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>नीचे से ऊपर, बाएँ से दाएँ</translation>
    </message>
    <message>
        <source>The 'From' value cannot be greater than the 'To' value.</source>
        <translation>'से' का मान 'तक' के मान से बड़ा नहीं हो सकता।</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>सभी पृष्ठ</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>दोनों ओर छपाई की सेटिंग में टकराव</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 एक फ़ोल्डर है।
कृपया कोई दूसरा फ़ाइल नाम चुनें।</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>फ़ाइल %1 में लिखा नहीं जा सकता।
कृपया कोई दूसरा फ़ाइल नाम चुनें।</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>नीचे से ऊपर, दाएँ से बाएँ</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>ऊपर से नीचे, बाएँ से दाएँ</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>ऊपर से नीचे, दाएँ से बाएँ</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>उन्नत विकल्पों में टकराव</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>कार्य के विकल्प</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>पृष्ठ सेटअप में टकराव</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>कुछ उन्नत विकल्पों में टकराव है। क्या आप उन्हें ठीक करना चाहते हैं?</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>पृष्ठ सेटअप के विकल्पों में टकराव है। क्या आप उन्हें ठीक करना चाहते हैं?</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>प्रिंटर के गुण</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>फ़ॉर्म</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>पृष्ठ</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>कुछ विकल्पों में टकराव है। कृपया उन्हें ठीक करें।</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>उन्नत</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>to</source>
        <translation>तक</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>बंद</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>फ़ॉर्म</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>रंगीन</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>सब छापें</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>पृष्ठ</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>वर्तमान पृष्ठ</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>चयनित भाग</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>प्रतियाँ</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>छपाई की सीमा</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>रंग का प्रकार</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>विकल्प</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>आउटपुट सेटिंग</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>उल्टे क्रम में</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>धूसर</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>क्रम से मिलाएँ</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>प्रतियाँ:</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>छोटी ओर जिल्द</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>अल्पविराम से अलग करके पृष्ठ या सीमाएँ लिखें। सीमा हाइफ़न से जुड़ी दो संख्याएँ है। जैसे: 3,5-7,9 लिखने पर पृष्ठ 3, 5, 6, 7 और 9 छपते हैं।</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>पृष्ठ से</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>दोनों ओर छपाई</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>पृष्ठ सेट:</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>लंबी ओर जिल्द</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>फ़ॉर्म</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>प्रकार:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>नाम (&amp;N):</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>आउटपुट फ़ाइल (&amp;F):</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>गुण (&amp;R)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>पूर्वावलोकन</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>प्रिंटर</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>स्थान:</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>काटें (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>कॉपी करें (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>फिर से करें (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>पूर्ववत करें (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>चिपकाएँ (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>हटाएँ</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>सभी चुनें</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>लिंक का पता कॉपी करें (&amp;L)</translation>
    </message>
</context>
<context>
    <name>TimeZoneList</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>अलास्का/हवाई डेलाइट समय,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>अलास्का/हवाई मानक समय,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>अलास्का/हवाई युद्धकालीन समय,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>अटलांटिक मानक समय,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>अटलांटिक युद्धकालीन समय,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>ऑस्ट्रेलियाई मध्य डेलाइट समय,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>ऑस्ट्रेलियाई मध्य मानक समय,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>ऑस्ट्रेलियाई पूर्वी डेलाइट समय,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>ऑस्ट्रेलियाई पूर्वी मानक समय,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>ऑस्ट्रेलियाई पश्चिमी डेलाइट समय,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>ऑस्ट्रेलियाई पश्चिमी मानक समय,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>अज़ोरेस समय, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>बग़दाद समय, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>बेरिंग मानक समय,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>ब्राज़ील क्षेत्र 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>ब्रिटिश दोहरा ग्रीष्मकालीन समय,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>ब्रिटिश ग्रीष्मकालीन समय,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>ब्रिटिश युद्धकालीन समय,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>मध्य डेलाइट समय,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>मध्य यूरोपीय डेलाइट,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>मध्य यूरोपीय समय,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>मध्य मानक समय,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>मध्य युद्धकालीन समय,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>चीन तट समय,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>पूर्वी डेलाइट समय,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>पूर्वी यूरोपीय डेलाइट समय,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>पूर्वी यूरोपीय समय,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>पूर्वी मानक समय,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>पूर्वी युद्धकालीन समय,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>ग्रीनविच मानक समय,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>गुआम मानक समय,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>हवाई डेलाइट समय,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>हवाई मानक समय,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>हवाई युद्धकालीन समय,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>भारतीय समय, IST, +5.3</translation>
    </message>
    <message>
        <source>Int'l Date Line East,IDLE,+12.0</source>
        <translation>अंतरराष्ट्रीय तिथि रेखा पूर्व,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int'l Date Line West,IDLW,-12.0</source>
        <translation>अंतरराष्ट्रीय तिथि रेखा पश्चिम,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ईरान समय, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>जापान मानक समय,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>जावा समय, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>मध्य यूरोपीय डेलाइट समय,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>मध्य यूरोपीय समय,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>मोलुकास समय, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>पर्वतीय डेलाइट समय,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>पर्वतीय मानक समय,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>पर्वतीय युद्धकालीन समय,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>न्यूज़ीलैंड मानक ग्रीष्मकालीन समय,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>न्यूज़ीलैंड मानक समय,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>न्यूज़ीलैंड ग्रीष्मकालीन समय,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>न्यूज़ीलैंड समय,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>न्यूफ़ाउंडलैंड मानक समय,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>नोम समय, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>उत्तरी सुमात्रा समय,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>प्रशांत डेलाइट समय,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>प्रशांत मानक समय,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>प्रशांत युद्धकालीन समय,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया डेलाइट समय,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया डेलाइट समय,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया मानक समय,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>दक्षिण ऑस्ट्रेलिया मानक समय,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>दक्षिणी सुमात्रा समय,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>सार्वभौमिक समय, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>सोवियत क्षेत्र 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>सोवियत क्षेत्र 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>सोवियत क्षेत्र 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>सोवियत क्षेत्र 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>सोवियत क्षेत्र 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>पश्चिम अफ़्रीका समय,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>यूकॉन डेलाइट समय,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>यूकॉन मानक समय,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>यूकॉन युद्धकालीन समय,YWT,-8.0</translation>
    </message>
</context>
</TS>
