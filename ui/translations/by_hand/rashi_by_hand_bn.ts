<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_IN" sourcelanguage="en">
<!-- Kept by hand: lupdate never rewrites this file. It holds texts whose English lives outside
     the sources lupdate reads: the rows of the time zone list (reading/time_zones.h, keyed by
     their English text) and the texts of Qt's own dialogs. -->
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
