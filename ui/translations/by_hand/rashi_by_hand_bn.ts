<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_IN" sourcelanguage="en">
<!-- Kept by hand: lupdate never rewrites this file. It holds texts whose English lives outside
     the sources lupdate reads: the texts of Qt's own dialogs, message boxes and text fields,
     whose sources are Qt 6.4's own, character for character (from Qt's translation catalogue),
     and the rows of the time zone list, keyed by their English text in reading/time_zones.h. -->
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Back</source>
        <translation>পিছনে</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>খুলুন</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>খুলুন (&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>সংরক্ষণ (&amp;S)</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ফাইল</translation>
    </message>
    <message>
        <source>Show </source>
        <translation>দেখান: </translation>
    </message>
    <message>
        <source>'%1' is write protected.
Do you want to delete it anyway?</source>
        <translation>'%1' লেখা থেকে সুরক্ষিত।
তবুও কি এটি মুছে ফেলতে চান?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete '%1'?</source>
        <translation>আপনি কি নিশ্চিত যে '%1' মুছে ফেলতে চান?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>জায়গা ও বুকমার্কের তালিকা</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>ফাইলের নাম (&amp;N):</translation>
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
        <translation>মুছুন</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>নতুন ফোল্ডার</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>উপরের ফোল্ডার</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>নতুন ফোল্ডার (&amp;N)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>সরান</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>যেখানে দেখবেন:</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>একটি নতুন ফোল্ডার তৈরি করুন</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>ফাইলের ধরন:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>ফোল্ডার খুঁজুন</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>লুকানো ফাইল দেখান (&amp;H)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>এই নামে সংরক্ষণ</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
ফোল্ডারটি পাওয়া যায়নি।
অনুগ্রহ করে ফোল্ডারের নাম ঠিক আছে কিনা দেখুন।</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>পাশের তালিকা</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>তালিকা দৃশ্য</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>বেছে নিন (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>মুছুন (&amp;D)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>সব ফাইল (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>সব ফাইল (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>ফোল্ডার</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>নাম বদলান (&amp;R)</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>ফোল্ডারটি মোছা যায়নি।</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>ফোল্ডার:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 আগে থেকেই আছে।
আপনি কি এটি বদলে দিতে চান?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>সামনে</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>সামনে যান</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>উপরের ফোল্ডারে যান</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>সাম্প্রতিক জায়গা</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>পিছনে যান</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>বিস্তারিত দৃশ্যে যান</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>নতুন ফোল্ডার তৈরি করুন</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>বিস্তারিত দৃশ্য</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
ফাইলটি পাওয়া যায়নি।
অনুগ্রহ করে ফাইলের নাম ঠিক আছে কিনা দেখুন।</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>তালিকা দৃশ্যে যান</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>ধরন</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>নাম</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>আকার</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>ধরন</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>আমার কম্পিউটার</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>কম্পিউটার</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>পরিবর্তনের তারিখ</translation>
    </message>
</context>
<context>
    <name>QLineEdit</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>কাটুন (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>কপি করুন (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>আবার করুন (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>পূর্বাবস্থায় ফেরান (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>পেস্ট করুন (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>মুছুন</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>সব নির্বাচন করুন</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>বিস্তারিত দেখান...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>বিস্তারিত লুকান...</translation>
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
        <translation>ফর্ম</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>নিচের মার্জিন</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>কাগজ</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>কাগজের উৎস:</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>ডানের মার্জিন</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>পাইকা (P̸)</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>মার্জিন</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>নিজের মাপ</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>আড়াআড়ি</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>পৃষ্ঠার বিন্যাস</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>প্রস্থ:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>দিক</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>দিদো (DD)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>লম্বালম্বি</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>পৃষ্ঠার ক্রম:</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>উপরের মার্জিন</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>বাঁয়ের মার্জিন</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>পৃষ্ঠার মাপ:</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>সিসেরো (CC)</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>উল্টো লম্বালম্বি</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>মিলিমিটার (mm)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>পয়েন্ট (pt)</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>প্রতি পাতায় পৃষ্ঠা:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>ইঞ্চি (in)</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>উল্টো আড়াআড়ি</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>উচ্চতা:</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>না (&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>হ্যাঁ (&amp;Y)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>সহায়তা</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>খুলুন</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>সংরক্ষণ</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>থামান</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>প্রয়োগ করুন</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ করুন</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>আগের মতো করুন</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>আবার চেষ্টা করুন</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>পূর্বনির্ধারিত মান ফেরান</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>উপেক্ষা করুন</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>সবগুলিতে না (&amp;O)</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>সব সংরক্ষণ</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>ফেলে দিন</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>সবগুলিতে হ্যাঁ (&amp;A)</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Even Pages</source>
        <translation>জোড় পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>মুদ্রণ</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>বিকল্প (&amp;O) &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>বিকল্প (&amp;O) &gt;&gt;</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>বাঁ থেকে ডানে, উপর থেকে নিচে</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>ডান থেকে বাঁয়ে, নিচ থেকে উপরে</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>PDF ফাইল লিখুন</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>মুদ্রণ করুন (&amp;P)</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>1 (1x1)</translation>
    </message>
    <message>
        <source>Options 'Pages Per Sheet' and 'Page Set' cannot be used together.
Please turn one of those options off.</source>
        <translation>'প্রতি পাতায় পৃষ্ঠা' আর 'পৃষ্ঠার সেট' বিকল্প একসঙ্গে ব্যবহার করা যায় না।
অনুগ্রহ করে এর একটি বন্ধ করুন।</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 আগে থেকেই আছে।
আপনি কি এর উপরে লিখতে চান?</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>2 (2x1)</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>বাঁ থেকে ডানে, নিচ থেকে উপরে</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>4 (2x2)</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>বিজোড় পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>স্থানীয় ফাইল</translation>
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
        <translation>দুই পিঠে মুদ্রণের সেটিংসে বিরোধ আছে। আপনি কি সেগুলি ঠিক করতে চান?</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>ফাইলে মুদ্রণ (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>ফাইলে মুদ্রণ ...</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>পৃষ্ঠার ভুল উল্লেখ</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 সঠিক নিয়মে লেখা নয়। অনুগ্রহ করে পরিসর ও পৃষ্ঠা আলাদা করতে ',' এবং পরিসর বোঝাতে '-' ব্যবহার করুন, আর দেখুন যেন পরিসরগুলি একে অপরের উপর না পড়ে।</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>9 (3x3)</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>ডান থেকে বাঁয়ে, উপর থেকে নিচে</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>নিচ থেকে উপরে, বাঁ থেকে ডানে</translation>
    </message>
    <message>
        <source>The 'From' value cannot be greater than the 'To' value.</source>
        <translation>'থেকে'-র মান 'পর্যন্ত'-র মানের চেয়ে বড় হতে পারে না।</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>সব পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>দুই পিঠে মুদ্রণের সেটিংসে বিরোধ</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 একটি ফোল্ডার।
অনুগ্রহ করে অন্য ফাইলের নাম বেছে নিন।</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>%1 ফাইলে লেখা যায় না।
অনুগ্রহ করে অন্য ফাইলের নাম বেছে নিন।</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>নিচ থেকে উপরে, ডান থেকে বাঁয়ে</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>উপর থেকে নিচে, বাঁ থেকে ডানে</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>উপর থেকে নিচে, ডান থেকে বাঁয়ে</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>উন্নত বিকল্পে বিরোধ</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>কাজের বিকল্প</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>পৃষ্ঠা বিন্যাসে বিরোধ</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>কিছু উন্নত বিকল্পে বিরোধ আছে। আপনি কি সেগুলি ঠিক করতে চান?</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>পৃষ্ঠা বিন্যাসের বিকল্পে বিরোধ আছে। আপনি কি সেগুলি ঠিক করতে চান?</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>প্রিন্টারের বৈশিষ্ট্য</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>ফর্ম</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>পৃষ্ঠা</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>কিছু বিকল্পে বিরোধ আছে। অনুগ্রহ করে সেগুলি ঠিক করুন।</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>উন্নত</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>to</source>
        <translation>পর্যন্ত</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>বন্ধ</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>ফর্ম</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>রঙিন</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>সব মুদ্রণ করুন</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>বর্তমান পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>নির্বাচিত অংশ</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>প্রতিলিপি</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>মুদ্রণের পরিসর</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>রঙের ধরন</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>বিকল্প</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>আউটপুট সেটিংস</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>উল্টো ক্রমে</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>ধূসর</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>ক্রম মিলিয়ে</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>প্রতিলিপি:</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>ছোট দিকে বাঁধাই</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>কমা দিয়ে আলাদা করে পৃষ্ঠা বা পরিসর লিখুন। পরিসর হাইফেনে যুক্ত দুটি সংখ্যা। যেমন: 3,5-7,9 লিখলে 3, 5, 6, 7 ও 9 নম্বর পৃষ্ঠা মুদ্রিত হয়।</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>পৃষ্ঠা থেকে</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>দুই পিঠে মুদ্রণ</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>পৃষ্ঠার সেট:</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>লম্বা দিকে বাঁধাই</translation>
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
        <translation>ফর্ম</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>ধরন:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>নাম (&amp;N):</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>আউটপুট ফাইল (&amp;F):</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>বৈশিষ্ট্য (&amp;R)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>প্রাকদর্শন</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>প্রিন্টার</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>অবস্থান:</translation>
    </message>
</context>
<context>
    <name>QWidgetTextControl</name>
    <message>
        <source>Cu&amp;t</source>
        <translation>কাটুন (&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>কপি করুন (&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>আবার করুন (&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>পূর্বাবস্থায় ফেরান (&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>পেস্ট করুন (&amp;P)</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>মুছুন</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>সব নির্বাচন করুন</translation>
    </message>
    <message>
        <source>Copy &amp;Link Location</source>
        <translation>লিংকের ঠিকানা কপি করুন (&amp;L)</translation>
    </message>
</context>
<context>
    <name>TimeZoneList</name>
    <message>
        <source>Alaska/Hawaii Daylight Time,AHDT,-9.0</source>
        <translation>আলাস্কা/হাওয়াই ডেলাইট সময়,AHDT,-9.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii Standard Time,AHST,-10.0</source>
        <translation>আলাস্কা/হাওয়াই প্রমাণ সময়,AHST,-10.0</translation>
    </message>
    <message>
        <source>Alaska/Hawaii War Time,AHWT,-9.0</source>
        <translation>আলাস্কা/হাওয়াই যুদ্ধকালীন সময়,AHWT,-9.0</translation>
    </message>
    <message>
        <source>Atlantic Standard Time,AST,-4.0</source>
        <translation>আটলান্টিক প্রমাণ সময়,AST,-4.0</translation>
    </message>
    <message>
        <source>Atlantic War Time,AWT,-3.0</source>
        <translation>আটলান্টিক যুদ্ধকালীন সময়,AWT,-3.0</translation>
    </message>
    <message>
        <source>Australian Central Daylight Time,ACDT,+10.5</source>
        <translation>অস্ট্রেলীয় মধ্যাঞ্চলীয় ডেলাইট সময়,ACDT,+10.5</translation>
    </message>
    <message>
        <source>Australian Central Standard Time,ACST,+9.5</source>
        <translation>অস্ট্রেলীয় মধ্যাঞ্চলীয় প্রমাণ সময়,ACST,+9.5</translation>
    </message>
    <message>
        <source>Australian Eastern Daylight Time,AEDT,+11.0</source>
        <translation>অস্ট্রেলীয় পূর্বাঞ্চলীয় ডেলাইট সময়,AEDT,+11.0</translation>
    </message>
    <message>
        <source>Australian Eastern Standard Time,AEST,+10.0</source>
        <translation>অস্ট্রেলীয় পূর্বাঞ্চলীয় প্রমাণ সময়,AEST,+10.0</translation>
    </message>
    <message>
        <source>Australian Western Daylight Time,AWDT,+9.0</source>
        <translation>অস্ট্রেলীয় পশ্চিমাঞ্চলীয় ডেলাইট সময়,AWDT,+9.0</translation>
    </message>
    <message>
        <source>Australian Western Standard Time,AWST,+8.0</source>
        <translation>অস্ট্রেলীয় পশ্চিমাঞ্চলীয় প্রমাণ সময়,AWST,+8.0</translation>
    </message>
    <message>
        <source>Azores Time, AT, -2.0</source>
        <translation>আজোরেস সময়, AT, -2.0</translation>
    </message>
    <message>
        <source>Baghdad Time, BAT, +3.0</source>
        <translation>বাগদাদ সময়, BAT, +3.0</translation>
    </message>
    <message>
        <source>Bering Standard Time,BET,-11.0</source>
        <translation>বেরিং প্রমাণ সময়,BET,-11.0</translation>
    </message>
    <message>
        <source>Brazil Zone 2,BZT2,-3.0</source>
        <translation>ব্রাজিল অঞ্চল 2,BZT2,-3.0</translation>
    </message>
    <message>
        <source>British Double Summer Time,BDST,+2.0</source>
        <translation>ব্রিটিশ দ্বৈত গ্রীষ্মকালীন সময়,BDST,+2.0</translation>
    </message>
    <message>
        <source>British Summer Time,BST,+1.0</source>
        <translation>ব্রিটিশ গ্রীষ্মকালীন সময়,BST,+1.0</translation>
    </message>
    <message>
        <source>British War Time,BWT,+2.0</source>
        <translation>ব্রিটিশ যুদ্ধকালীন সময়,BWT,+2.0</translation>
    </message>
    <message>
        <source>Central Daylight Time,CDT,-5.0</source>
        <translation>মধ্যাঞ্চলীয় ডেলাইট সময়,CDT,-5.0</translation>
    </message>
    <message>
        <source>Central European Daylight,CED,+2.0</source>
        <translation>মধ্য ইউরোপীয় ডেলাইট,CED,+2.0</translation>
    </message>
    <message>
        <source>Central European Time,CET,+1.0</source>
        <translation>মধ্য ইউরোপীয় সময়,CET,+1.0</translation>
    </message>
    <message>
        <source>Central Standard Time,CST,-6.0</source>
        <translation>মধ্যাঞ্চলীয় প্রমাণ সময়,CST,-6.0</translation>
    </message>
    <message>
        <source>Central War Time,CWT,-5.0</source>
        <translation>মধ্যাঞ্চলীয় যুদ্ধকালীন সময়,CWT,-5.0</translation>
    </message>
    <message>
        <source>China Coast Time,CCT,+8.0</source>
        <translation>চীন উপকূল সময়,CCT,+8.0</translation>
    </message>
    <message>
        <source>Eastern Daylight Time,EDT,-4.0</source>
        <translation>পূর্বাঞ্চলীয় ডেলাইট সময়,EDT,-4.0</translation>
    </message>
    <message>
        <source>Eastern European Daylight Time,EED,+3.0</source>
        <translation>পূর্ব ইউরোপীয় ডেলাইট সময়,EED,+3.0</translation>
    </message>
    <message>
        <source>Eastern European Time,EET,+2.0</source>
        <translation>পূর্ব ইউরোপীয় সময়,EET,+2.0</translation>
    </message>
    <message>
        <source>Eastern Standard Time,EST,-5.0</source>
        <translation>পূর্বাঞ্চলীয় প্রমাণ সময়,EST,-5.0</translation>
    </message>
    <message>
        <source>Eastern War Time,EWT,-4.0</source>
        <translation>পূর্বাঞ্চলীয় যুদ্ধকালীন সময়,EWT,-4.0</translation>
    </message>
    <message>
        <source>Greenwich Mean Time,GMT,0.0</source>
        <translation>গ্রিনিচ মান সময়,GMT,0.0</translation>
    </message>
    <message>
        <source>Guam Standard Time,GST,+10.0</source>
        <translation>গুয়াম প্রমাণ সময়,GST,+10.0</translation>
    </message>
    <message>
        <source>Hawaiian Daylight Time,HDT,-9.5</source>
        <translation>হাওয়াই ডেলাইট সময়,HDT,-9.5</translation>
    </message>
    <message>
        <source>Hawaiian Standard Time,HST,-10.5</source>
        <translation>হাওয়াই প্রমাণ সময়,HST,-10.5</translation>
    </message>
    <message>
        <source>Hawaiian War Time,HWT,-9.5</source>
        <translation>হাওয়াই যুদ্ধকালীন সময়,HWT,-9.5</translation>
    </message>
    <message>
        <source>Indian Time, IST, +5.3</source>
        <translation>ভারতীয় সময়, IST, +5.3</translation>
    </message>
    <message>
        <source>Int'l Date Line East,IDLE,+12.0</source>
        <translation>আন্তর্জাতিক তারিখরেখা পূর্ব,IDLE,+12.0</translation>
    </message>
    <message>
        <source>Int'l Date Line West,IDLW,-12.0</source>
        <translation>আন্তর্জাতিক তারিখরেখা পশ্চিম,IDLW,-12.0</translation>
    </message>
    <message>
        <source>Iran Time, IT, +3.5</source>
        <translation>ইরান সময়, IT, +3.5</translation>
    </message>
    <message>
        <source>Japan Standard Time,JST,+9.0</source>
        <translation>জাপান প্রমাণ সময়,JST,+9.0</translation>
    </message>
    <message>
        <source>Java Time, JT, +7.5</source>
        <translation>জাভা সময়, JT, +7.5</translation>
    </message>
    <message>
        <source>Middle European Daylight Time,MED,+2.0</source>
        <translation>মধ্য ইউরোপীয় ডেলাইট সময়,MED,+2.0</translation>
    </message>
    <message>
        <source>Middle European Time,MET,+1.0</source>
        <translation>মধ্য ইউরোপীয় সময়,MET,+1.0</translation>
    </message>
    <message>
        <source>Moluccas Time, MT, +8.5</source>
        <translation>মলুক্কাস সময়, MT, +8.5</translation>
    </message>
    <message>
        <source>Mountain Daylight Time,MDT,-6.0</source>
        <translation>পার্বত্য ডেলাইট সময়,MDT,-6.0</translation>
    </message>
    <message>
        <source>Mountain Standard Time,MST,-7.0</source>
        <translation>পার্বত্য প্রমাণ সময়,MST,-7.0</translation>
    </message>
    <message>
        <source>Mountain War Time,MWT,-6.0</source>
        <translation>পার্বত্য যুদ্ধকালীন সময়,MWT,-6.0</translation>
    </message>
    <message>
        <source>New Zealand Std Summer Time,NZST,+13.0</source>
        <translation>নিউজিল্যান্ড প্রমাণ গ্রীষ্মকালীন সময়,NZST,+13.0</translation>
    </message>
    <message>
        <source>New Zealand Std Time,NZT,+12.0</source>
        <translation>নিউজিল্যান্ড প্রমাণ সময়,NZT,+12.0</translation>
    </message>
    <message>
        <source>New Zealand Summer Time,NZS,+12.5</source>
        <translation>নিউজিল্যান্ড গ্রীষ্মকালীন সময়,NZS,+12.5</translation>
    </message>
    <message>
        <source>New Zealand Time,NZ,+11.5</source>
        <translation>নিউজিল্যান্ড সময়,NZ,+11.5</translation>
    </message>
    <message>
        <source>Newfoundland Standard Time,NST,-3.5</source>
        <translation>নিউফাউন্ডল্যান্ড প্রমাণ সময়,NST,-3.5</translation>
    </message>
    <message>
        <source>Nome Time, NT, -11.0</source>
        <translation>নোম সময়, NT, -11.0</translation>
    </message>
    <message>
        <source>North Sumatra Time,NST,+6.5</source>
        <translation>উত্তর সুমাত্রা সময়,NST,+6.5</translation>
    </message>
    <message>
        <source>Pacific Daylight Time,PDT,-7.0</source>
        <translation>প্রশান্ত মহাসাগরীয় ডেলাইট সময়,PDT,-7.0</translation>
    </message>
    <message>
        <source>Pacific Standard Time,PST,-8.0</source>
        <translation>প্রশান্ত মহাসাগরীয় প্রমাণ সময়,PST,-8.0</translation>
    </message>
    <message>
        <source>Pacific War Time,PWT,-7.0</source>
        <translation>প্রশান্ত মহাসাগরীয় যুদ্ধকালীন সময়,PWT,-7.0</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SAD,+10.5</source>
        <translation>দক্ষিণ অস্ট্রেলিয়া ডেলাইট সময়,SAD,+10.5</translation>
    </message>
    <message>
        <source>South Australia Daylight Time,SDT,+10.5</source>
        <translation>দক্ষিণ অস্ট্রেলিয়া ডেলাইট সময়,SDT,+10.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAST,+9.5</source>
        <translation>দক্ষিণ অস্ট্রেলিয়া প্রমাণ সময়,SAST,+9.5</translation>
    </message>
    <message>
        <source>South Australia Standard Time,SAT,+9.5</source>
        <translation>দক্ষিণ অস্ট্রেলিয়া প্রমাণ সময়,SAT,+9.5</translation>
    </message>
    <message>
        <source>South Sumatra Time,SST,+7.0</source>
        <translation>দক্ষিণ সুমাত্রা সময়,SST,+7.0</translation>
    </message>
    <message>
        <source>Universal Time, UT, 0.0</source>
        <translation>বিশ্বজনীন সময়, UT, 0.0</translation>
    </message>
    <message>
        <source>USSR Zone 10,UZ10,+11.0</source>
        <translation>সোভিয়েত অঞ্চল 10,UZ10,+11.0</translation>
    </message>
    <message>
        <source>USSR Zone 3,USZ3,+4.0</source>
        <translation>সোভিয়েত অঞ্চল 3,USZ3,+4.0</translation>
    </message>
    <message>
        <source>USSR Zone 4,USZ4,+5.0</source>
        <translation>সোভিয়েত অঞ্চল 4,USZ4,+5.0</translation>
    </message>
    <message>
        <source>USSR Zone 5,USZ5,+6.0</source>
        <translation>সোভিয়েত অঞ্চল 5,USZ5,+6.0</translation>
    </message>
    <message>
        <source>USSR Zone 6,USZ6,+7.0</source>
        <translation>সোভিয়েত অঞ্চল 6,USZ6,+7.0</translation>
    </message>
    <message>
        <source>West Africa Time,WAT,-1.0</source>
        <translation>পশ্চিম আফ্রিকা সময়,WAT,-1.0</translation>
    </message>
    <message>
        <source>Yukon Daylight Time,YDT,-8.0</source>
        <translation>ইউকন ডেলাইট সময়,YDT,-8.0</translation>
    </message>
    <message>
        <source>Yukon Standard Time,YST,-9.0</source>
        <translation>ইউকন প্রমাণ সময়,YST,-9.0</translation>
    </message>
    <message>
        <source>Yukon War Time,YWT,-8.0</source>
        <translation>ইউকন যুদ্ধকালীন সময়,YWT,-8.0</translation>
    </message>
</context>
</TS>
